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
// Held while the clock reads its file: later starts wait for it then,
// however long the user takes to answer about a held file.
HANDLE MarkReading();
LRESULT OnHandOver(const COPYDATASTRUCT *data);
void AcceptHandOvers(HWND window);

// DLLs from the system folder only (libraries.cpp).
HMODULE SystemLibrary(LPCWSTR name);
void GuardDllSearch();
// The notices of the program's session, on or off; refused, asked for
// again by a timer.
#define TIMER_WATCH 3
#define WATCH_RETRY 10000
void WatchSessions(BOOL watch);

// A function of user32 that later Windows versions have, or NULL: looked
// up, not imported, so that the program still starts on the versions
// before (layout.cpp).
FARPROC User32Function(LPCSTR name);
#define LATER(name) ((decltype(&name))(void *)User32Function(#name))

// The window at the DPI of its monitor (layout.cpp).
struct Layout {
    HFONT font;
    LONG buttonWidth, buttonHeight;
    RECT frame;  // the window's outer rectangle, at (0, 0)
};
UINT WindowDpi(HWND window);  // 0 where Windows cannot tell
BOOL PerMonitorAware(HWND window);
BOOL Measure(UINT dpi, Layout *l);
void LayOut(HWND window, UINT dpi, const RECT *suggested);
