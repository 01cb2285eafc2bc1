// One clock per settings file: what a later start hands the running clock.
#include "platform.h"

// Holds back the start-up toggle that WinMain posts, as a busy machine may.
static LRESULT CALLBACK HoldToggle(int code, WPARAM wParam, LPARAM lParam)
{
    MSG *msg = (MSG *)lParam;
    msg->message = msg->message == WM_RESUME ? WM_NULL : msg->message;
    return CallNextHookEx(NULL, code, wParam, lParam);
}

TEST_CASE("a second start: its switches change the running clock, and it makes no window")
{
    // A clock from the file of one at 5 s (LapCs 123) at (40, 30), 2 s on;
    // then a start with the arguments, in this process (WinMain again).
    // Held: the second start comes before the clock's start-up toggle.
    // Refused: the clock runs as administrator, the start does not; in front
    // of it a hung clock of another file, and its own window refuses the
    // first send, as before it lets the hand-over in.
    const struct { LONG run, show; const char *arguments, *state; bool held = false, refused = false; } cases[] = {
        {Running, 0, "/P", "  0:00:05.00|&Start 1 0|0 0 5000 500 0|parked|1|1 40 30 0", true},
        {Stopped, 0, "/S", "  0:00:05|&Stop 1 1|1 0 5000 500 0|995|1|1 40 30 0", true},
        {Running, 0, "/P", "  0:00:07.00|&Start 1 0|0 0 7000 700 0|parked|1|1 40 30 0"},
        {Stopped, 0, "/S", "  0:00:05|&Stop 1 1|1 0 5000 500 0|995|1|1 40 30 0"},
        {Running, 0, "/P", "  0:00:07.00|&Start 1 0|0 0 7000 700 0|parked|1|1 40 30 0", false, true},
        {Running, 0, "/ZS", "  0:00:00|&Stop 1 1|1 0 0 123 0|995|1|1 40 30 0"},
        {Running, 0, "/L", "  0:00:07.00|&Stop 1 1|-1 0 7000 700 0|995|1|1 40 30 0"},
        {Stopped, 0, "/M", "  0:00:05.00|&Start 1 0|0 0 5000 500 0|parked|0|1 40 30 1"},
        {Stopped, 6, "/N", "  0:00:05.00|&Start 1 0|0 0 5000 500 0|parked|1|1 40 30 0"},
        {Stopped, 6, "", "  0:00:05.00|&Start 1 0|0 0 5000 500 0|parked|1|1 40 30 0"},
        {Stopped, 0, "/100*200", "  0:00:05.00|&Start 1 0|0 0 5000 500 0|parked|1|1 100 200 0"},
    };
    for (auto &c : cases) {
        INFO(std::string(c.arguments));
        Fixture f;
        Clock.AccumulatedMs = 5000, Clock.LapCs = 123, Clock.RunState = c.run, Clock.ShowState = c.show,
        Clock.WindowRect = {40, 30, 0, 0};
        SaveSettings(FALSE);
        Clock = ClockState();
        HHOOK hook = c.held ? SetWindowsHookExA(WH_GETMESSAGE, HoldToggle, NULL, GetCurrentThreadId()) : NULL;
        Start();
        UnhookWindowsHookEx(hook);
        Sub.tick += 2000, Sub.mutexRefused = c.refused, Sub.refusals = 2 * c.refused;
        WNDCLASSA other = {0, DefWindowProcA, 0, 0, GetModuleHandleA("kernel32"), NULL, NULL, NULL, NULL, ClassName};
        RegisterClassA(&other);  // the class of the clock, from another module: another file's clock
        Sub.hung = c.refused ? CreateWindowExA(WS_EX_TOPMOST, ClassName, NULL, WS_POPUP, 0, 0, 9, 9, NULL, NULL, other.hInstance, NULL) : NULL;
        std::string line = c.arguments;
        CHECK(WinMain(GetModuleHandleA(NULL), NULL, &line[0], SW_SHOWNORMAL) == 0);
        DestroyWindow(Sub.hung);
        HWND first = FindWindowExA(NULL, NULL, ClassName, NULL);  // the one clock
        CHECK((first == Clock.MainWindow && !FindWindowExA(NULL, first, ClassName, NULL)));
        char window[32];  // where it is (before it was minimized), and whether minimized
        wsprintfA(window, " %ld %ld %d", Clock.WindowRect.left, Clock.WindowRect.top, IsIconic(Clock.MainWindow) != 0);
        CHECK(State() + window == c.state);
    }
}

TEST_CASE_FIXTURE(Fixture, "what other programs send the clock: only the clock of this file, within bounds, as switches")
{
    Start("/S");
    std::string bytes = "/" + std::string(254, 'N') + std::string(745, 'P');
    const struct { ULONG_PTR key; const char *data; DWORD size; bool stops; } cases[] = {
        {Clock.SettingsKey + 1, "/P", 2, false},  // the clock of another file
        {Clock.SettingsKey, bytes.data(), 1000, false},  // no NUL: cut off before the P
        {Clock.SettingsKey, NULL, 0, false},
        {Clock.SettingsKey, "/\xff\x80P", 4, true},  // the one that stops: the last
    };
    for (auto &c : cases) {
        INFO(c.size);
        COPYDATASTRUCT data = {c.key, c.size, (PVOID)c.data};
        CHECK(Send(WM_COPYDATA, 0, (LPARAM)&data) == (c.key == Clock.SettingsKey));
        CHECK((Clock.RunState == Stopped) == c.stops);
    }
    Sub.modulePath = L"CLOCK.EXE";  // the same file, spelt otherwise: the same clock
    CHECK(SettingsKey() == Clock.SettingsKey);
}
