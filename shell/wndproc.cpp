// The main window's procedure: every event of the window system enters the
// clock here.
#include "shell.h"
#include "../core/clock_state.h"
#include "../startup/startup.h"

// WM_DESTROY: count a running clock up to now, save, and end the loop.
static LRESULT OnDestroy()
{
    if (Clock.RunState)
        Clock.AccumulatedMs += GetTickCount() - Clock.BaseTick;
    SaveSettings();
    PostQuitMessage(0);
    return 0;
}

// WM_MOVE, WM_DISPLAYCHANGE: remember where the window is and keep its right
// and bottom edges on the screen. The left and top may go past 0.
static LRESULT TrackPosition(HWND window)
{
    if (IsIconic(window)) {
        // Keep the rectangle from before: a minimized window's is useless.
        Clock.ShowState = ShowMinimized;
        return 0;
    }
    RECT &r = Clock.WindowRect;
    GetWindowRect(window, &r);
    LONG dx = GetSystemMetrics(SM_CXSCREEN) - r.right;
    LONG dy = GetSystemMetrics(SM_CYSCREEN) - r.bottom;
    if (dx < 0)
        r.left += dx;
    if (dy < 0)
        r.top += dy;
    if (dx < 0 || dy < 0)
        SetWindowPos(window, NULL, r.left, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    // While CreateWindowExA runs, a minimized start must survive this.
    if (Clock.MainWindow)
        Clock.ShowState = ShowNormal;
    return 0;
}

// WM_CONTEXTMENU: a right-click on Start restarts from zero, on LAP splits.
static LRESULT OnContextMenu(HWND window, WPARAM wParam, LPARAM lParam)
{
    UINT id;
    if ((HWND)wParam == Clock.StartStopButton)
        id = IDC_START_STOP;
    else if ((HWND)wParam == Clock.LapButton)
        id = IDC_LAP;
    else
        return DefWindowProcA(window, WM_CONTEXTMENU, wParam, lParam);
    Clock.ModifierFlags = ModReset;
    PostMessageA(window, WM_COMMAND, id, 1);  // lParam 1: the modifier counts
    return 0;
}

// WM_KEYDOWN: S, L, A, Z; any other key only gives the focus back.
static LRESULT OnKeyDown(WPARAM key, LPARAM lParam)
{
    switch (key) {
    case 'A':
        Clock.ModifierFlags |= ModArm;
        return CommandEntry(IDC_START_STOP, lParam);
    case 'L': return CommandEntry(IDC_LAP, lParam);
    case 'S': return CommandEntry(IDC_START_STOP, lParam);
    case 'Z': return Reset();
    }
    return CommandTail();
}

// WM_SYSCOMMAND: our two system-menu items.
static LRESULT OnSysCommand(HWND window, WPARAM wParam, LPARAM lParam)
{
    switch (wParam) {
    case IDM_RESET:
        return Reset();
    case IDM_ARM:
        Clock.ModifierFlags |= ModArm;
        return CommandEntry(IDC_START_STOP, lParam);
    }
    return DefWindowProcA(window, WM_SYSCOMMAND, wParam, lParam);
}

// WM_INITMENUPOPUP: bring the system menu in line with the window and clock.
static LRESULT OnInitMenuPopup(HWND window, HMENU menu)
{
    Clock.ModifierFlags = 0;
    GetAsyncKeyState(VK_RBUTTON);  // clears "pressed since", read on closing
    EnableMenuItem(menu, SC_MINIMIZE, MF_BYCOMMAND | (IsIconic(window) ? MF_GRAYED : MF_ENABLED));
    ModifyMenuA(menu, IDM_ARM, MF_BYCOMMAND | MF_STRING | (Clock.ArmState & 1), IDM_ARM,
                Labels[LabelArmStart + (Clock.RunState & 1)]);
    return 0;
}

// WM_MENUSELECT: when the menu closes, a right button pressed in it acts as
// Shift for the command chosen.
static LRESULT OnMenuSelect(WPARAM wParam)
{
    if (wParam >= 0xFFFF0000u)
        Clock.ModifierFlags = GetAsyncKeyState(VK_RBUTTON);
    return 0;
}

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DESTROY:         return OnDestroy();
    case WM_MOVE:
    case WM_DISPLAYCHANGE:   return TrackPosition(window);
    case WM_ACTIVATE:        return OnActivate(wParam);
    case WM_QUERYENDSESSION: return DestroyWindow(window);
    case WM_CONTEXTMENU:     return OnContextMenu(window, wParam, lParam);
    case WM_KEYDOWN:         return OnKeyDown(wParam, lParam);
    case WM_COMMAND:         return CommandEntry(wParam, lParam);
    case WM_SYSCOMMAND:      return OnSysCommand(window, wParam, lParam);
    case WM_INITMENUPOPUP:   return OnInitMenuPopup(window, (HMENU)wParam);
    case WM_MENUSELECT:      return OnMenuSelect(wParam);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
