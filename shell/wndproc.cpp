// The main window's procedure: every event of the window system enters the
// clock here.
#include "shell.h"
#include <windowsx.h>
#include "../core/clock_state.h"

// WM_DESTROY: count a running clock up to now, save, and end the loop.
static LRESULT OnDestroy()
{
    Resume();
    SaveClock(GetTickCount(), TRUE);
    WatchSessions(FALSE);
    PostQuitMessage(0);
    return 0;
}

// v moved into [low, high]; low wins when the range is empty.
static LONG Clamp(LONG v, LONG low, LONG high)
{
    if (v > high)
        v = high;
    return v < low ? low : v;
}

// WM_MOVE, WM_DISPLAYCHANGE: remember where the window is and keep its right
// and bottom edges on the desktop, all monitors together. The left and top
// may go past it; but a window on no monitor at all (its monitor gone, say)
// comes wholly onto the nearest one.
static LRESULT TrackPosition(HWND window)
{
    if (IsIconic(window)) {
        // Keep the rectangle from before: a minimized window's is useless.
        Clock.ShowState = ShowMinimized;
        return 0;
    }
    RECT &r = Clock.WindowRect;
    GetWindowRect(window, &r);
    LONG x = r.left, y = r.top, width = r.right - x, height = r.bottom - y;
    LONG right = GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    LONG bottom = GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN);
    if (x > right - width)
        x = right - width;
    if (y > bottom - height)
        y = bottom - height;
    RECT to = {x, y, x + width, y + height};
    if (!MonitorFromRect(&to, MONITOR_DEFAULTTONULL)) {
        MONITORINFO m = {sizeof m, {}, {}, 0};
        GetMonitorInfoA(MonitorFromRect(&to, MONITOR_DEFAULTTONEAREST), &m);
        x = Clamp(x, m.rcWork.left, m.rcWork.right - width);
        y = Clamp(y, m.rcWork.top, m.rcWork.bottom - height);
    }
    if (x != r.left || y != r.top) {
        r.left = x, r.top = y;  // the WM_MOVE that follows reads the rest
        SetWindowPos(window, NULL, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    // While CreateWindowExA runs, a minimized start must survive this.
    if (Clock.MainWindow)
        Clock.ShowState = ShowNormal;
    return 0;
}

// WM_QUERYENDSESSION: Windows asks every program before it decides, and the
// session may yet go on (another program refuses, the user cancels). The
// clock saves, so that a session that ends without another word loses
// nothing, and lives on.
static LRESULT OnQueryEndSession()
{
    Resume();
    SaveClock(GetTickCount(), FALSE);
    return TRUE;
}

// WM_ENDSESSION: the session ends (TRUE), and the clock with it, saved as
// at a close; or it goes on (FALSE), and so does the clock.
static LRESULT OnEndSession(HWND window, WPARAM ending)
{
    if (ending)
        DestroyWindow(window);
    return 0;
}

// WM_SIZE: the clock is never maximized. Windows maximizes it all the same
// where a shortcut says Run: Maximized, or "start /max" ran it: the first
// SW_SHOWNORMAL a program shows takes the show command of its launcher. A
// topmost window over the whole screen, with no box to restore it, goes
// back at once. (Wine applies no launcher's show command.)
static LRESULT OnSize(HWND window, WPARAM how)
{
    if (how == SIZE_MAXIMIZED)
        PostMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
    return 0;
}

// The window menu opened from the title bar by a right-click, tracked here
// rather than by the default procedure, and without TPM_RIGHTBUTTON.
// Microsoft documents TPM_RIGHTBUTTON as what lets the secondary button
// choose, and WM_MENURBUTTONUP as sent when it is let go over an item. The
// menu code of ReactOS and Wine (which send no WM_MENURBUTTONUP) tracks the
// window menu with TPM_RIGHTBUTTON from the title bar and without it from
// Alt+Space and the icon; if Windows does the same, a secondary choice from
// the title bar would come as a plain command. Tracked so, the menu works
// alike however it was opened. Its items are set up as the window's own
// menu (WM_INITMENUPOPUP), and a choice goes the way of one made there.
static void TrackWindowMenu(HWND window, LPARAM at)
{
    UINT id = TrackPopupMenu(GetSystemMenu(window, FALSE), TPM_RETURNCMD, GET_X_LPARAM(at), GET_Y_LPARAM(at), 0,
                             window, NULL);
    if (id)
        PostMessageA(window, WM_SYSCOMMAND, id, at);
}

// WM_CONTEXTMENU: a right-click on Start restarts from zero, on LAP splits;
// on the title bar or its icon it opens the window menu.
static LRESULT OnContextMenu(HWND window, WPARAM wParam, LPARAM lParam)
{
    UINT id;
    if ((HWND)wParam == Clock.StartStopButton)
        id = IDC_START_STOP;
    else if ((HWND)wParam == Clock.LapButton)
        id = IDC_LAP;
    else {
        LRESULT hit = DefWindowProcA(window, WM_NCHITTEST, 0, lParam);
        if ((HWND)wParam != window || (hit != HTCAPTION && hit != HTSYSMENU))
            return DefWindowProcA(window, WM_CONTEXTMENU, wParam, lParam);
        TrackWindowMenu(window, lParam);
        return 0;
    }
    Clock.ModifierFlags = ModReset;
    PostMessageA(window, WM_COMMAND, id, 1);  // lParam 1: the modifier counts
    return 0;
}

// WM_KEYDOWN: S, L, A, Z and Ctrl+C; any other key only gives the focus
// back. Ctrl is read as it was when C went down: a quick Ctrl+C may be
// handled after its Ctrl has come up.
static LRESULT OnKeyDown(WPARAM key, LPARAM lParam)
{
    switch (key) {
    case 'A':
        Clock.ModifierFlags |= ModArm;
        return CommandEntry(IDC_START_STOP, lParam);
    case 'L': return CommandEntry(IDC_LAP, lParam);
    case 'S': return CommandEntry(IDC_START_STOP, lParam);
    case 'Z': return Reset();
    case 'C':
        if (GetKeyState(VK_CONTROL) < 0)
            CopyTime();
        break;
    }
    return CommandTail();
}

// WM_SYSKEYDOWN: Alt+Space opens the system menu, as on any window. Windows
// opens it from the WM_SYSCHAR that only TranslateMessage makes, and the
// loop has none, so that keys stay keys.
static LRESULT OnSysKeyDown(HWND window, WPARAM key, LPARAM lParam)
{
    if (key == VK_SPACE && lParam & 1 << 29)  // with Alt
        return DefWindowProcA(window, WM_SYSCOMMAND, SC_KEYMENU, ' ');
    return DefWindowProcA(window, WM_SYSKEYDOWN, key, lParam);
}

// WM_SYSCOMMAND: our two system-menu items. The arm item's lParam is
// Windows': the cursor's position for a click, 0 for a choice by its letter
// or the arrows and Enter, -1 for an accelerator. None of them is one of the
// program's own posted toggles, so modifiers count for every one (Wine
// passes the position for any choice, and so cannot show the 0).
static LRESULT OnSysCommand(HWND window, WPARAM wParam, LPARAM lParam)
{
    switch (wParam) {
    case IDM_RESET:
        return Reset();
    case IDM_ARM:
        Clock.ModifierFlags |= ModArm;
        return CommandEntry(IDC_START_STOP, TRUE);
    }
    return DefWindowProcA(window, WM_SYSCOMMAND, wParam, lParam);
}

// WM_INITMENUPOPUP: bring the window menu in line with the window and clock.
// Restore and the default item as the default procedure sets them, for the
// menu tracked above; our window is never maximized and has no size.
static LRESULT OnInitMenuPopup(HWND window, HMENU menu)
{
    BOOL iconic = IsIconic(window);
    Clock.ModifierFlags = 0;
    EnableMenuItem(menu, SC_RESTORE, MF_BYCOMMAND | (iconic ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(menu, SC_MINIMIZE, MF_BYCOMMAND | (iconic ? MF_GRAYED : MF_ENABLED));
    SetMenuDefaultItem(menu, iconic ? SC_RESTORE : SC_CLOSE, FALSE);
    ModifyMenuA(menu, IDM_ARM, MF_BYCOMMAND | MF_STRING | (Clock.ArmState & 1), IDM_ARM,
                Labels[LabelArmStart + (Clock.RunState & 1)]);
    return 0;
}

// WM_MENURBUTTONUP: the secondary button (the right one, or the left where
// the buttons are swapped) let go over an item of an open menu, which it
// does not choose. Over the arm item, while that can be chosen, it is the
// secondary choice: the menu ends, and the clock is armed as with Shift.
// Any other item, and any later choice in the same menu, are as ever.
// (Wine sends no such message: there the secondary button does nothing in
// the window menu.)
static LRESULT OnMenuRButtonUp(HWND window, WPARAM position, HMENU menu)
{
    if (GetMenuItemID(menu, position) != IDM_ARM || GetMenuState(menu, position, MF_BYPOSITION) & MF_GRAYED)
        return 0;
    EndMenu();
    Clock.ModifierFlags = ModArm | ModReset;
    PostMessageA(window, WM_COMMAND, IDC_START_STOP, 1);  // lParam 1: the modifiers count
    return 0;
}

// WM_DPICHANGED: the window moved to a monitor of other scaling, or the
// scaling changed. The window takes the rectangle Windows suggests; the font
// and the buttons are made again for the new DPI. A window that is not
// per-monitor aware may be sent it as well, and Windows scales that one
// itself: nothing changes.
static LRESULT OnDpiChanged(HWND window, WPARAM wParam, LPARAM lParam)
{
    if (PerMonitorAware(window))
        LayOut(window, LOWORD(wParam), (const RECT *)lParam);
    return 0;
}

// WM_GETDPISCALEDSIZE: the size the window takes at the new DPI, so that
// the rectangle WM_DPICHANGED then suggests is the buttons' own.
static LRESULT OnGetDpiScaledSize(WPARAM dpi, LPARAM lParam)
{
    Layout l;
    if (!Measure(dpi, &l))
        return FALSE;
    DeleteObject(l.font);
    SIZE *size = (SIZE *)lParam;
    size->cx = l.frame.right - l.frame.left, size->cy = l.frame.bottom - l.frame.top;
    return TRUE;
}

// WM_ACTIVATE also goes on to the default procedure: on Windows only it
// gives an activated window the keyboard focus (Wine gives it anyway).
// Without it, the keys typed to a clock the user came back to would reach
// it as WM_SYSKEYDOWN, with the focus nowhere, and do nothing.
LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DESTROY:         return OnDestroy();
    case WM_MOVE:
    case WM_DISPLAYCHANGE:   return TrackPosition(window);
    case WM_ACTIVATE:        OnActivate(wParam); break;
    case WM_SIZE:            return OnSize(window, wParam);
    case WM_QUERYENDSESSION: return OnQueryEndSession();
    case WM_ENDSESSION:      return OnEndSession(window, wParam);
    case WM_CONTEXTMENU:     return OnContextMenu(window, wParam, lParam);
    case WM_KEYDOWN:         return OnKeyDown(wParam, lParam);
    case WM_SYSKEYDOWN:      return OnSysKeyDown(window, wParam, lParam);
    case WM_COMMAND:         return CommandEntry(wParam, lParam);
    case WM_SYSCOMMAND:      return OnSysCommand(window, wParam, lParam);
    case WM_INITMENUPOPUP:   return OnInitMenuPopup(window, (HMENU)wParam);
    case WM_MENURBUTTONUP:   return OnMenuRButtonUp(window, wParam, (HMENU)lParam);
    case WM_DPICHANGED:      return OnDpiChanged(window, wParam, lParam);
    case WM_GETDPISCALEDSIZE: return OnGetDpiScaledSize(wParam, lParam);
    case WM_COPYDATA:        return OnHandOver((const COPYDATASTRUCT *)lParam);
    case WM_WTSSESSION_CHANGE: return OnSessionChange(wParam);
    case WM_RESUME:          return Resume();
    case WM_AWAY:            return RunAs(wParam);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
