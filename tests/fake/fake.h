// What the tests control and read back in the fake platform.
#pragma once
#include "windows.h"

namespace fake {

struct Window {
    HWND parent;
    UINT_PTR id;
    char text[64];
    bool enabled;
    RECT rect;
    HFONT font;
};

struct MenuItem {
    UINT_PTR id;
    UINT flags;
    char text[16];
};

struct Timer {
    HWND window;
    UINT_PTR id;
    UINT period;
    TIMERPROC proc;
};

extern DWORD tick;                   // GetTickCount
extern SHORT keys[256];              // GetAsyncKeyState
extern const char *modulePath;       // GetModuleFileNameA
extern int screenWidth, screenHeight;
extern bool iconic;                  // IsIconic; ShowWindow(7) sets it
extern LONG iconTitleHeight;         // 0: SystemParametersInfoA fails
extern bool fontCreates;             // CreateFontIndirectA
extern LONG stockHeight;             // 0: GetObjectA on the stock font fails

extern Window windows[8];
extern int windowCount;
extern HWND focus;
extern Timer timer;                  // the last SetTimer call
extern MSG queue[16];
extern int queued;
extern bool quit;
extern MenuItem menu[16];
extern int menuItems;
extern RECT adjusted;                // AdjustWindowRectEx's input
extern int shown;                    // ShowWindow's command
extern HGDIOBJ deleted;              // the last DeleteObject
extern DWORD imeDisabled;
extern bool dpiAware;
extern UINT defaultMessage;          // the last DefWindowProcA message
extern WNDPROC classProc;

const LRESULT DefaultResult = 0x5EED;

void Reset();
HWND NewWindow(HWND parent, UINT_PTR id);
Window &Of(HWND window);
HANDLE HoldFile(const char *path);  // opens a file without sharing

}  // namespace fake
