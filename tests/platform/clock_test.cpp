// The clock in its real window: captions, ticks, and every command with its
// modifiers, buttons, focus and away timing.
#include "platform.h"

TEST_CASE_FIXTURE(Fixture, "one refresh: formats, rounding, the stored lap value, the marker and the next wake-up")
{
    // A counting clock wakes when the second shown turns over, at x.995 s.
    const struct { LONG run; DWORD ms, lapCs; const char *before, *shown; DWORD lapAfter; UINT period; } cases[] = {
        {Running, 3723456, 7, "", "  1:02:03", 7, 539},
        {Running, 994, 7, "", "  0:00:00", 7, 1},
        {Running, 995, 7, "", "  0:00:01", 7, 1000},
        {Running, 3599995, 7, "", "  1:00:00", 7, 1000},
        {Stopped, 994, 7, "", "  0:00:00.99", 99, 0},
        {Stopped, 995, 7, "", "  0:00:01.00", 100, 0},
        {Stopped, 3599995, 7, "", "  1:00:00.00", 360000, 0},
        {Stopped, 4294967295u, 7, "", "  0:00:00.00", 0, 0},  // 2^32 ms wrap to zero
        {LapHold, 99999, 512, "", "  -:00:05.12", 512, 996},
        {LapHold, 99999, 512, "  -", "  0:00:05.12", 512, 996},
        {LapHold, 0, 44280000, "  1", "12-:00:00.00", 44280000, 995},
        {-2, 0, 4294967295u, "  -", "11930:27:52.95", 4294967295u, 995},
        {-2, 0, 3600000000u, "  1", "10-00:00:00.00", 3600000000u, 995},
    };
    Start();
    for (auto &c : cases) {
        INFO(std::string(c.shown));
        Clock.RunState = c.run, Clock.AccumulatedMs = c.ms, Clock.LapCs = c.lapCs, Clock.BaseTick = 0x12345678;
        lstrcpyA(Clock.CaptionBuffer, c.before);
        Sub.timerPeriod = 0;
        RefreshCaption(NULL, 0, 7, Clock.BaseTick);  // the id is not used
        char bytes[CAPTION_SIZE];
        GetWindowTextA(Clock.MainWindow, bytes, sizeof bytes);
        CHECK((Caption() == c.shown && Clock.LapCs == c.lapAfter && Sub.timerPeriod == c.period));
        CHECK((GetACP() != 932 || bytes == std::string(Clock.CaptionBuffer)));  // as it was
    }
}

enum { Shift = 1, Ctrl = 2 };

TEST_CASE_FIXTURE(Fixture, "every input: what it does to the clock, the buttons and the focus")
{
    // Each from 2 s counted up to 1 s before the tick count wraps, at tick
    // 2120 after the wrap, LapCs 77, with an empty caption, Start/Stop
    // reading "?", both buttons enabled and the focus on LAP. Shift and Ctrl
    // are down as the thread read them with the input, and up now. A
    // right-click's wParam here is the button's id (0: the window itself). A
    // WM_MENURBUTTONUP row opens the window menu and lets the secondary
    // button go on the item at wParam, as Windows reports it (Wine sends
    // none). Session notices carry the program's own session, as Windows
    // sends them (Wine sends none).
    DWORD id = 0;
    LPARAM session = ProcessIdToSessionId(GetCurrentProcessId(), &id) ? id : 0;
    const struct { const char *name; LONG run, arm, mods; int keys; UINT message; WPARAM wParam; LPARAM lParam; const char *state; } cases[] = {
        {"start", Stopped, Idle, 0, 0, WM_COMMAND, IDC_START_STOP, 1, "  0:00:02|&Stop 1 1|1 0 2000 77 0|995|1|1"},
        {"stop", Running, Idle, 0, 0, WM_COMMAND, IDC_START_STOP, 1, "  0:00:05.12|&Start 1 0|0 0 5120 512 0|parked|1|1"},
        {"stop a lap", LapHold, Idle, 0, 0, WM_KEYDOWN, 'S', 1, "  0:00:05.12|&Start 1 0|0 0 5120 512 0|parked|1|1"},
        {"Shift restarts from zero", Stopped, Idle, 0, Shift, WM_KEYDOWN, 'S', 1, "  0:00:00|&Stop 1 1|1 0 0 0 0|995|1|1"},
        {"Shift only stops", Running, Idle, 0, Shift, WM_COMMAND, IDC_START_STOP, 1, "  0:00:05.12|&Start 1 0|0 0 5120 512 0|parked|1|1"},
        {"Ctrl arms a counting clock", Running, Idle, 0, Ctrl, WM_KEYDOWN, 'S', 1, "|&A_Stop 0 0|1 1 5120 77 0|0|1|1"},
        {"A arms", Stopped, Idle, 0, 0, WM_KEYDOWN, 'A', 1, "|IAStart 0 0|0 1 2000 77 0|0|1|1"},
        {"the arm item by its letter: lParam 0", Stopped, Idle, 0, 0, WM_SYSCOMMAND, IDM_ARM, 0, "|IAStart 0 0|0 1 2000 77 0|0|1|1"},
        {"the arm item by an accelerator: -1", Running, Idle, 0, 0, WM_SYSCOMMAND, IDM_ARM, -1, "|&A_Stop 0 0|1 1 5120 77 0|0|1|1"},
        {"the arm item clicked", Stopped, Idle, 0, Shift, WM_SYSCOMMAND, IDM_ARM, MAKELPARAM(90, 107), "  0:00:00.00|IAStart 0 0|0 1 0 0 0|0|1|1"},
        {"posted: keys don't count", Stopped, Idle, 0, Shift | Ctrl, WM_COMMAND, IDC_START_STOP, 0, "  0:00:02|&Stop 1 1|1 0 2000 77 0|995|1|1"},
        {"lap", Running, Idle, 0, 0, WM_KEYDOWN, 'L', 1, "  0:00:05.12|? 1 1|-1 0 5120 512 0|0|1|1"},
        {"lap again", LapHold, Idle, 0, 0, WM_COMMAND, IDC_LAP, 1, "  0:00:05.12|? 1 1|-1 0 5120 512 0|0|1|1"},
        {"Shift splits", Running, Idle, 0, Shift, WM_KEYDOWN, 'L', 1, "  0:00:05.12|? 1 1|1 0 5120 512 0|0|1|1"},
        {"lap while stopped", Stopped, Idle, 0, 0, WM_COMMAND, IDC_LAP, 1, "|? 1 1|0 0 2000 77 0|0|1|0"},
        {"reset counting", Running, Idle, 0, 0, WM_SYSCOMMAND, IDM_RESET, 1, "  0:00:00|? 1 1|1 0 0 77 0|995|1|1"},
        {"reset stopped", Stopped, Idle, 0, 0, WM_KEYDOWN, 'Z', 1, "  0:00:00.00|? 1 1|0 0 0 0 0|0|1|1"},
        {"reset keeps a lap", LapHold, Idle, 0, Shift, WM_KEYDOWN, 'Z', 1, "  -:00:00.77|? 1 1|-1 0 0 77 0|995|1|1"},
        {"other keys", Stopped, Idle, ModArm, 0, WM_KEYDOWN, 'Q', 1, "|? 1 1|0 0 2000 77 0|0|1|0"},
        {"unknown commands", Stopped, Idle, ModReset, 0, WM_COMMAND, 0x9999, 1, "|? 1 1|0 0 2000 77 1|0|0|0"},
        {"right-click on Start", Stopped, Idle, 0, 0, WM_CONTEXTMENU, IDC_START_STOP, 0, "  0:00:00|&Stop 1 1|1 0 0 0 0|995|1|1"},
        {"right-click on LAP", Running, Idle, 0, 0, WM_CONTEXTMENU, IDC_LAP, 0, "  0:00:05.12|? 1 1|1 0 5120 512 0|0|1|1"},
        {"right-click elsewhere", Stopped, Idle, 0, 0, WM_CONTEXTMENU, 0, -1, "|? 1 1|0 0 2000 77 0|0|0|0"},
        {"the arm item chosen with the secondary button", Stopped, Idle, 0, 0, WM_MENURBUTTONUP, 5, 0, "  0:00:00.00|IAStart 0 0|0 1 0 0 0|0|1|1"},
        {"the secondary button let go on Reset", Stopped, Idle, 0, 0, WM_MENURBUTTONUP, 4, 0, "|? 1 1|0 0 2000 77 0|0|0|0"},
        {"the secondary button let go on the arm item, greyed", Stopped, Armed, 0, 0, WM_MENURBUTTONUP, 5, 0, "|? 1 1|0 1 2000 77 0|0|0|0"},
        {"armed, minimized away", Stopped, Armed, 0, 0, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, TRUE), 0, "  0:00:02|&A_Stop 0 0|1 -1 2000 77 0|995|0|1"},
        {"armed, activated", Stopped, Armed, 0, 0, WM_ACTIVATE, WA_CLICKACTIVE, 0, "|? 1 1|0 1 2000 77 0|0|1|0"},
        {"armed, S", Stopped, Armed, 0, 0, WM_KEYDOWN, 'S', 1, "  0:00:02|&A_Stop 0 0|1 1 2000 77 0|995|1|1"},
        {"away, back", Running, Fired, 0, 0, WM_ACTIVATE, WA_ACTIVE, 0, "  0:00:05.12|&Start 1 0|0 0 5120 512 0|parked|1|1"},
        {"away, stopped meanwhile (/P), back", Stopped, Fired, 0, 0, WM_ACTIVATE, WA_CLICKACTIVE, 0, "|&Start 1 0|0 0 2000 77 0|0|1|0"},
        {"armed, the screen locked", Stopped, Armed, 0, 0, WM_WTSSESSION_CHANGE, WTS_SESSION_LOCK, session, "  0:00:02|&A_Stop 0 0|1 -1 2000 77 0|995|0|1"},
        {"armed counting, cut off", Running, Armed, 0, 0, WM_WTSSESSION_CHANGE, WTS_REMOTE_DISCONNECT, session, "|&A_Stop 0 0|1 -1 2000 77 0|0|0|0"},
        {"armed, a logon", Stopped, Armed, 0, 0, WM_WTSSESSION_CHANGE, WTS_SESSION_LOGON, session, "|? 1 1|0 1 2000 77 0|0|0|0"},
        {"away, unlocked", Running, Fired, 0, 0, WM_WTSSESSION_CHANGE, WTS_SESSION_UNLOCK, session, "  0:00:05.12|&Start 1 0|0 0 5120 512 0|parked|1|1"},
        {"away, connected again", Running, Fired, 0, 0, WM_WTSSESSION_CHANGE, WTS_CONSOLE_CONNECT, session, "  0:00:05.12|&Start 1 0|0 0 5120 512 0|parked|1|1"},
        {"away, logged off", Running, Fired, 0, 0, WM_WTSSESSION_CHANGE, WTS_SESSION_LOGOFF, session, "|? 1 1|1 -1 2000 77 0|0|0|0"},
        {"armed, the console switched away", Stopped, Armed, 0, 0, WM_WTSSESSION_CHANGE, WTS_CONSOLE_DISCONNECT, session, "  0:00:02|&A_Stop 0 0|1 -1 2000 77 0|995|0|1"},
        {"back, unlocked again", Stopped, Idle, 0, 0, WM_WTSSESSION_CHANGE, WTS_REMOTE_CONNECT, session, "|? 1 1|0 0 2000 77 0|0|0|0"},
    };
    Start();
    HWND main = Clock.MainWindow, start = Clock.StartStopButton, lap = Clock.LapButton;
    for (auto &c : cases) {
        INFO(std::string(c.name));
        Clock.RunState = c.run, Clock.ArmState = c.arm, Clock.ModifierFlags = c.mods;
        Clock.AccumulatedMs = 2000, Clock.LapCs = 77, Clock.BaseTick = 0xFFFFFC18u, Clock.CaptionBuffer[0] = 0;
        Sub.tick = 2120, Sub.timerPeriod = 0, DeleteFileA("clock.QNF");
        BYTE keys[256] = {};  // as the thread read them with the input
        keys[VK_SHIFT] = c.keys & Shift ? 0x80 : 0, keys[VK_CONTROL] = c.keys & Ctrl ? 0x80 : 0;
        SetKeyboardState(keys);
        SetWindowTextA(main, ""), SetWindowTextA(start, "?");
        EnableWindow(start, TRUE), EnableWindow(lap, TRUE), SetFocus(lap);
        WPARAM wParam = c.message != WM_CONTEXTMENU ? c.wParam : c.wParam ? (WPARAM)GetDlgItem(main, c.wParam) : (WPARAM)main;
        LPARAM lParam = c.message != WM_MENURBUTTONUP ? c.lParam : (LPARAM)GetSystemMenu(main, FALSE);
        if (c.message == WM_MENURBUTTONUP)  // in a menu just opened
            Send(WM_INITMENUPOPUP, (WPARAM)lParam);
        CHECK(Send(c.message, wParam, lParam) == 0);
        Pump();
        CHECK(State() == c.state);
    }
    CopyTime();  // Ctrl+C: the memory handed to the clipboard is its own, never freed
    CHECK((Sub.handed && Sub.freed != Sub.handed));
}

TEST_CASE_FIXTURE(Fixture, "the settings file keeps up with a counting clock, at least once a minute, not a stopped one")
{
    Start("/ZS");  // counting from tick 100000, written at once
    int writes = 0;
    for (DWORD s = 1, saved = 0, last = 0; s <= 150; s++, writes += saved != last, last = saved) {
        Sub.tick = 100000 + 1000 * s - 5;  // the timer, at each turn-over
        RefreshCaption(Clock.MainWindow, WM_TIMER, TIMER_ID, Sub.tick);
        Read().copy((char *)&saved, 4, 16);
        CHECK(1000 * s - 5 - saved <= 60000);
    }
    CHECK((writes == 2 && Caption() == "  0:02:30" && ElapsedMs(Sub.tick) == 149995));
    Send(WM_KEYDOWN, 'S', 1), DeleteFileA("clock.QNF");
    RefreshCaption(Clock.MainWindow, WM_TIMER, TIMER_ID, Sub.tick += 100000000);  // the parked timer at last
    CHECK(Read().empty());
}
