// The window shell: start-up, the message loop and the window procedure.
#pragma once
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int);
// The start-up toggle, posted by WinMain as WM_RESUME; once (winmain.cpp).
#define WM_RESUME WM_APP
LRESULT Resume();
LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
extern const char ClassName[];

// One clock per settings file (handover.cpp): a later start hands over its
// arguments and ends; the clock takes them in WM_COPYDATA.
BOOL HandedOver(LPCSTR arguments);
LRESULT OnHandOver(const COPYDATASTRUCT *data);

// The notices of the program's session, on or off (sessions.cpp).
void WatchSessions(BOOL watch);

// The window at the DPI of its monitor (layout.cpp).
struct Layout {
    HFONT font;
    LONG buttonWidth, buttonHeight;
    RECT frame;  // the window's outer rectangle, at (0, 0)
};
UINT WindowDpi(HWND window);  // 0 where Windows cannot tell
BOOL Measure(UINT dpi, Layout *l);
void LayOut(HWND window, UINT dpi, const RECT *suggested);
