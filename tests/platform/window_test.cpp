// The window procedure and the start-up sequence, on the real window.
#include "platform.h"

TEST_CASE_FIXTURE(Fixture, "the system menu: its items, their state each time it opens, and the secondary choice from the title bar")
{
    Start();
    HMENU menu = GetSystemMenu(Clock.MainWindow, FALSE);
    char items[128] = "", *end = items;
    for (int i = 0; i < 8; i++) {                // Wine adds "About Wine" below
        end += wsprintfA(end, "%x ", GetMenuItemID(menu, i));
        if (GetMenuItemID(menu, i) >> 12 == 8)   // our own items, with their text
            end += GetMenuStringA(menu, i, end, 16, MF_BYPOSITION), *end++ = ' ';
    }
    CHECK(std::string(items) == "f120 f010 f020 800f  8013 &ZReset 8014 IAStart 0 f060 ");
    // Restore and the default item as Windows sets them: the menu may be
    // tracked by the program itself.
    const struct { bool iconic; LONG run, arm; UINT minimize, arm_item; const char *text; } cases[] = {
        {false, Stopped, Idle, MF_ENABLED, MF_ENABLED, "IAStart"},
        {true, Running, Armed, MF_GRAYED, MF_GRAYED, "&A_Stop"},
        {false, LapHold, Fired, MF_ENABLED, MF_GRAYED, "&A_Stop"},
        {false, -2, Idle, MF_ENABLED, MF_ENABLED, "IAStart"},
    };
    for (auto &c : cases) {
        INFO(std::string(c.text));
        ShowWindow(Clock.MainWindow, c.iconic ? SW_MINIMIZE : SW_RESTORE);
        Clock.RunState = c.run, Clock.ArmState = c.arm, Clock.ModifierFlags = 3;
        EnableMenuItem(menu, SC_RESTORE, MF_BYCOMMAND | (c.iconic ? MF_GRAYED : MF_ENABLED));
        SetMenuDefaultItem(menu, SC_MOVE, FALSE);
        CHECK(Send(WM_INITMENUPOPUP, (WPARAM)menu, MAKELPARAM(0, TRUE)) == 0);
        CHECK((GetMenuState(menu, SC_MINIMIZE, MF_BYCOMMAND) & MF_GRAYED) == c.minimize);
        CHECK((GetMenuState(menu, SC_RESTORE, MF_BYCOMMAND) & MF_GRAYED) == (c.minimize ^ MF_GRAYED));
        CHECK(GetMenuDefaultItem(menu, FALSE, 0) == (c.iconic ? SC_RESTORE : SC_CLOSE));
        CHECK((GetMenuState(menu, IDM_ARM, MF_BYCOMMAND) & MF_GRAYED) == c.arm_item);
        GetMenuStringA(menu, IDM_ARM, items, sizeof items, MF_BYCOMMAND);
        CHECK((items == std::string(c.text) && Clock.ModifierFlags == 0));
    }
    // Opened from the title bar: Windows, tracking it without
    // TPM_RIGHTBUTTON, sends from the menu's own loop that the secondary
    // button was let go on the arm item. Should the menu stay open, the
    // cancel after it ends it: a fault then fails, not hangs.
    Clock.RunState = Stopped, Clock.ArmState = Idle;
    RECT r;
    GetWindowRect(Clock.MainWindow, &r);
    LPARAM caption = MAKELPARAM(r.left + 50, r.top + GetSystemMetrics(SM_CYCAPTION) / 2 + 2);
    REQUIRE(Send(WM_NCHITTEST, 0, caption) == HTCAPTION);
    PostMessageA(Clock.MainWindow, WM_MENURBUTTONUP, 5, (LPARAM)GetSystemMenu(Clock.MainWindow, FALSE));
    PostMessageA(Clock.MainWindow, WM_CANCELMODE, 0, 0);
    CHECK(Send(WM_CONTEXTMENU, (WPARAM)Clock.MainWindow, caption) == 0);
    Pump();
    CHECK(((Sub.menuFlags & TPM_RIGHTBUTTON) == 0 && State() == "  0:00:00.00|IAStart 0 0|0 1 0 0 0|parked|1|1"));
}

TEST_CASE_FIXTURE(Fixture, "moves keep the window on the desktop of two monitors side by side")
{
    REQUIRE(GetSystemMetrics(SM_CMONITORS) == 2);  // 800x600 each, the primary on the left
    Start();
    RECT r;
    GetWindowRect(Clock.MainWindow, &r);
    LONG right = 1600 - (r.right - r.left), bottom = 600 - (r.bottom - r.top);
    const struct { LONG x, y, xAfter, yAfter; } cases[] = {
        {100, 50, 100, 50},
        {900, 100, 900, 100},                    // on the second monitor
        {right + 10, bottom + 2, right, bottom},
        {right, bottom, right, bottom},          // on the edge is not past it
        {-50, -20, -50, -20},                    // the left and top are free,
        {-5000, 300, 0, 300},                    // but a window on no monitor comes
        {900, -700, 900, 0},                     // onto the nearest
    };
    for (auto &c : cases) {
        INFO(c.x);
        SetWindowPos(Clock.MainWindow, NULL, c.x, c.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        GetWindowRect(Clock.MainWindow, &r);
        CHECK((r.left == c.xAfter && r.top == c.yAfter && Clock.ShowState == ShowNormal));
        CHECK(memcmp(&r, &Clock.WindowRect, sizeof r) == 0);
    }
    ShowWindow(Clock.MainWindow, SW_MINIMIZE);   // the rectangle from before stays
    CHECK((memcmp(&r, &Clock.WindowRect, sizeof r) == 0 && Clock.ShowState == ShowMinimized));
    ShowWindow(Clock.MainWindow, SW_RESTORE);
    Clock.WindowRect = RECT();
    Send(WM_DISPLAYCHANGE);                      // reads the rectangle again
    CHECK(memcmp(&r, &Clock.WindowRect, sizeof r) == 0);
}

// The caption as the first message arrives, before the command WinMain posts.
static std::string FirstCaption;
static LRESULT CALLBACK FirstMessage(int code, WPARAM wParam, LPARAM lParam)
{
    if (FirstCaption.empty())
        FirstCaption = Caption();
    return CallNextHookEx(NULL, code, wParam, lParam);
}

TEST_CASE("start-up: the clock resumed, the window placed and shown as the file, the switches and the starter say")
{
    // From the file of a clock at 5 s (LapCs 123) at (40, 30). The window as
    // "left top (when restored), minimized, maximized, active". Starter: the
    // show state it asked for (a shortcut's Run). Held: another program
    // holds the file at first, and the user is asked to retry.
    const struct { LONG run, show; const char *arguments, *first, *window, *state; int starter = 0; bool held = false; } cases[] = {
        {Stopped, 0, "", "  0:00:05.00", "40 30 0 0 1", "  0:00:05.00|&Start 1 0|0 0 5000 500 0|parked|1|1"},
        {LapHold, 0, "", "  -:00:01.23", "40 30 0 0 1", "  0:00:05.00|&Start 1 0|0 0 5000 500 0|parked|1|1"},
        {Running, 0, "/100", "  0:00:05", "100 30 0 0 1", "  0:00:05|&Stop 1 1|1 0 5000 123 0|995|1|1"},
        {Stopped, 6, "", "  0:00:05.00", "40 30 1 0 0", "  0:00:05.00|&Start 1 0|0 0 5000 500 0|parked|0|1", SW_SHOWNORMAL},
        {Stopped, 2, "", "  0:00:05.00", "40 30 0 0 1", "  0:00:05.00|&Start 1 0|0 0 5000 500 0|parked|1|1"},  // damaged: not maximized
        {Stopped, 0, "", "  0:00:05.00", "40 30 0 0 1", "  0:00:05.00|&Start 1 0|0 0 5000 500 0|parked|1|1", SW_SHOWMAXIMIZED},
        {Stopped, 0, "", "  0:00:05.00", "40 30 1 0 0", "  0:00:05.00|&Start 1 0|0 0 5000 500 0|parked|0|1", SW_SHOWMINNOACTIVE, true},
        {Stopped, 6, "/N", "  0:00:05.00", "40 30 0 0 1", "  0:00:05.00|&Start 1 0|0 0 5000 500 0|parked|1|1", SW_SHOWMINNOACTIVE},
    };
    for (auto &c : cases) {
        INFO(c.show << c.arguments << c.starter);
        Fixture f;
        Clock.AccumulatedMs = 5000, Clock.LapCs = 123, Clock.RunState = c.run, Clock.ShowState = c.show;
        Clock.WindowRect = {40, 30, 0, 0};
        SaveSettings(FALSE);
        Clock = ClockState(), Sub.launcherShow = c.starter;
        Sub.heldFile = c.held ? CreateFileA("clock.QNF", GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL) : NULL;
        FirstCaption.clear();
        HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, FirstMessage, NULL, GetCurrentThreadId());
        Start(c.arguments, c.starter ? c.starter : SW_SHOWNORMAL);
        UnhookWindowsHookEx(hook);
        // The input method off before any window; a box never minimized.
        CHECK((FirstCaption == c.first && Sub.calls == (c.held ? "ime|box|" : "ime|")));
        HWND main = Clock.MainWindow;
        WINDOWPLACEMENT p = {sizeof p, 0, 0, {}, {}, {}};
        GetWindowPlacement(main, &p);
        char window[64];
        wsprintfA(window, "%ld %ld %d %d %d", p.rcNormalPosition.left, p.rcNormalPosition.top,
                  IsIconic(main) != 0, IsZoomed(main) != 0, GetActiveWindow() == main);
        CHECK(window == std::string(c.window));
        CHECK(State() == c.state);
        // Counting: the time while closed is not counted. Stopped: the parked
        // timer changes nothing when it fires at last.
        RefreshCaption(main, WM_TIMER, TIMER_ID, Sub.tick + 2000);
        CHECK((c.run == Running ? Caption() == "  0:00:07" : State() == c.state));
    }
}

// Whether the buttons (and with all, the client area) are as the sizes made
// from h have them, in the program's font.
static bool ButtonsOf(LONG h, int all = 3)
{
    LONG bw = 5 * h + 4, bh = h + 10;
    RECT r[3], expected[3] = {{0, 0, bw, bh}, {bw, 0, 2 * bw, bh}, {0, 0, 2 * bw, bh}};
    GetWindowRect(Clock.StartStopButton, &r[0]);
    GetWindowRect(Clock.LapButton, &r[1]);
    MapWindowPoints(NULL, Clock.MainWindow, (POINT *)r, 4);
    GetClientRect(Clock.MainWindow, &r[2]);
    return memcmp(r, expected, all * sizeof *r) == 0 &&
           SendMessageA(Clock.LapButton, WM_GETFONT, 0, 0) == (LRESULT)Clock.CaptionFont;
}

static LONG IconFontHeight(UINT dpi)
{
    LOGFONTW icon;
    SystemParametersInfoForDpi(SPI_GETICONTITLELOGFONT, sizeof icon, &icon, 0, dpi);
    return icon.lfHeight;
}

TEST_CASE_FIXTURE(Fixture, "the window: buttons sized from the icon-title font at its DPI, else the stock font, else none")
{
    LOGFONTW stock;
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof stock, &stock);
    char system[MAX_PATH];  // where every DLL the program loads comes from
    std::string sys = std::string(system, GetSystemDirectoryA(system, MAX_PATH)) + "\\";
    const struct { bool older, noIconTitleFont; } cases[] = {{false, false}, {true, false}, {false, true}};
    for (auto &c : cases) {  // Windows with per-monitor DPI; before it; no icon-title font
        Sub.olderWindows = c.older, Sub.noIconTitleFont = c.noIconTitleFont, Sub.libraries.clear();
        Sub.refusals = 1;  // as before Remote Desktop Services is ready: asked again
        GuardDllSearch();  // as the entry point does
        Start();
        REQUIRE(Sub.timers[TIMER_WATCH] != NULL);
        Sub.timers[TIMER_WATCH](Clock.MainWindow, WM_TIMER, TIMER_WATCH, 0);
        UINT dpi = GetDpiForWindow(Clock.MainWindow);  // as tests/run set the screen
        LONG icon = IconFontHeight(dpi);
        CHECK((dpi == (getenv("DPI") ? (UINT)atoi(getenv("DPI")) : 96) && icon < 0 && stock.lfHeight < 0));
        CHECK(ButtonsOf(c.noIconTitleFont ? -stock.lfHeight : 2 - icon));
        CHECK((GetWindowLongA(Clock.MainWindow, GWL_EXSTYLE) & WS_EX_TOPMOST));
        CHECK(GetClassLongPtrA(Clock.MainWindow, GCLP_HICON) == (ULONG_PTR)LoadIconA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(101)));
        CHECK(Sub.sessionWindow == Clock.MainWindow);
        DestroyWindow(Clock.MainWindow);
        CHECK(Sub.sessionWindow == NULL);
        // Before Windows 8, the program's folder stays first in the search:
        // the DLLs that Windows loads by name for the window are loaded first.
        CHECK(Sub.libraries == (c.older ? "|" + sys + "uxtheme.dll 8|" + sys + "dwmapi.dll 8|" : "") + sys + "wtsapi32.dll 8|" + sys + "wtsapi32.dll 8|" + sys + "wtsapi32.dll 8|");
    }
    DeleteFileA("clock.QNF");
    Sub.noStockFont = true;
    Start();
    CHECK((FindWindowA("Vorlandine", NULL) == NULL && Read().empty()));
}

TEST_CASE_FIXTURE(Fixture, "a change of DPI: the window where Windows suggests, in its buttons' size, its buttons and font made again, the rest untouched")
{
    // Made system aware (as on Windows 8.1 to 10 1607 under the program's
    // manifest), Windows scales the window itself: a change changes nothing.
    DPI_AWARENESS_CONTEXT aware = SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_SYSTEM_AWARE);
    Start("/S");
    SetThreadDpiAwarenessContext(aware);
    RECT elsewhere = {0, 0, 500, 100};
    HFONT font = Clock.CaptionFont;  // made again at any change
    CHECK((Send(WM_DPICHANGED, MAKEWPARAM(192, 192), (LPARAM)&elsewhere) == 0 && Clock.CaptionFont == font));
    DestroyWindow(Clock.MainWindow), Pump(), CloseHandle(Clock.FileOwner);
    Clock = ClockState(), Start("/S");
    std::string caption = Caption();
    for (int i = 0; i < 100; i++) {  // 144, 96, 144 ...
        LONG dpi = i % 2 ? 96 : 144;
        SIZE size;  // what Windows asks first, and then suggests
        CHECK(Send(WM_GETDPISCALEDSIZE, dpi, (LPARAM)&size) == TRUE);
        // Here every third time a larger size is suggested: the window keeps
        // the size its buttons need.
        RECT expected = {8 * i, 20 + i, 8 * i + size.cx, 20 + i + size.cy}, suggested = expected, r;
        suggested.right += i % 3 * 10;
        HFONT old = Clock.CaptionFont;
        CHECK(Send(WM_DPICHANGED, MAKEWPARAM(dpi, dpi), (LPARAM)&suggested) == 0);
        GetWindowRect(Clock.MainWindow, &r);
        LONG icon = IconFontHeight(dpi);
        LOGFONTW font;
        GetObjectW(Clock.CaptionFont, sizeof font, &font);
        CHECK((memcmp(&r, &expected, sizeof r) == 0 && memcmp(&r, &Clock.WindowRect, sizeof r) == 0));
        // Wine draws every frame at the screen's DPI: the client area is the
        // buttons' own only at that DPI.
        CHECK((ButtonsOf(2 - icon, dpi == (LONG)GetDpiForWindow(Clock.MainWindow) ? 3 : 2) && font.lfHeight == icon));
        // The font it replaced is the one GDI object made here: gone. (Wine
        // counts no GDI objects: its GetGuiResources is a stub.)
        CHECK((GetObjectType(old) == 0 && Caption() == caption && Clock.RunState == Running && GetFocus() == Clock.MainWindow));
    }
}
