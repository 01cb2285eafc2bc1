// The clock core: captions, tick arithmetic, commands and away timing.
#include "helpers.h"

// Caption of one refresh, from the state and the previous caption.
struct CaptionCase { LONG run; DWORD ms; DWORD lapCs; const char *before, *shown; DWORD lapAfter; };

TEST_F(ClockTest, CaptionFormatsRoundingAndMarker)
{
    const CaptionCase cases[] = {
        {Running, 3723456, 7, "", "  1:02:03", 7},
        {Running, 994, 7, "", "  0:00:00", 7},
        {Running, 995, 7, "", "  0:00:01", 7},
        {Stopped, 0, 7, "", "  0:00:00.00", 0},
        {Stopped, 994, 7, "", "  0:00:00.99", 99},
        {Stopped, 995, 7, "", "  0:00:01.00", 100},
        {Stopped, 3599994, 7, "", "  0:59:59.99", 359999},
        {Stopped, 3599995, 7, "", "  1:00:00.00", 360000},
        {Stopped, 442800000, 7, "", "123:00:00.00", 44280000},
        {LapHold, 99999, 512, "", "  -:00:05.12", 512},
        {LapHold, 99999, 512, "  -", "  0:00:05.12", 512},
        {LapHold, 0, 44280000, "  1", "12-:00:00.00", 44280000},
        {-2, 0, 4294967295u, "  -", "11930:27:52.95", 4294967295u},
        {-2, 0, 3600000000u, "  1", "10-00:00:00.00", 3600000000u},
    };
    for (const CaptionCase &c : cases) {
        SetUp();
        Clock.RunState = c.run, Clock.AccumulatedMs = c.ms, Clock.LapCs = c.lapCs;
        strcpy(Clock.CaptionBuffer, c.before);
        fake::tick = Clock.BaseTick = 0x12345678;
        RefreshCaption(NULL, WM_TIMER, 1, fake::tick);  // message and id are not used
        EXPECT_EQ(Caption(), Cp932(c.shown)) << c.shown;
        EXPECT_EQ(Clock.LapCs, c.lapAfter) << c.shown;
    }
}

TEST_F(ClockTest, TickCountWrapsModulo2To32)
{
    fake::tick = 0xFFFFF000u;                     // start 4.096 s before the wrap
    Send(WM_COMMAND, IDC_START_STOP, 1);
    RefreshCaption(main, WM_TIMER, 1, 0x1000);    // 4.096 s after it
    EXPECT_EQ(Caption(), Cp932("  0:00:08"));
    fake::tick = 0x1000;
    Send(WM_COMMAND, IDC_START_STOP, 1);
    EXPECT_EQ(Clock.AccumulatedMs, 8192u);
    EXPECT_EQ(Caption(), Cp932("  0:00:08.19"));

    Clock.AccumulatedMs = 0xFFFFFC18u;            // 2^32 - 1000 ms, counting
    Clock.RunState = Running, Clock.BaseTick = 0;
    RefreshCaption(main, 0, 0, 1000);
    EXPECT_EQ(Caption(), Cp932("  0:00:00"));
}

// One Start/Stop command, by WM_COMMAND, from a given state.
struct StartStopCase {
    const char *name; LONG run; LONG mods; SHORT shift, ctrl; LPARAM lParam;
    LONG runAfter, armAfter; DWORD msAfter; const char *label; bool startOn, lapOn; UINT timer;
};

TEST_F(ClockTest, StartStopTransitionsAndButtons)
{
    const SHORT down = (SHORT)0x8000;
    const StartStopCase cases[] = {
        {"start", Stopped, 0, 0, 0, 1, Running, Idle, 4000, "&Stop", true, true, TIMER_RUNNING},
        {"stop", Running, 0, 0, 0, 1, Stopped, Idle, 4500, "&Start", true, false, TIMER_PARKED},
        {"stop a lap", LapHold, 0, 0, 0, 1, Stopped, Idle, 4500, "&Start", true, false, TIMER_PARKED},
        {"stop -2", -2, 0, 0, 0, 1, Stopped, Idle, 4500, "&Start", true, false, TIMER_PARKED},
        {"shift restarts", Stopped, 0, down, 0, 1, Running, Idle, 0, "&Stop", true, true, TIMER_RUNNING},
        {"shift only stops", Running, 0, down, 0, 1, Stopped, Idle, 4500, "&Start", true, false, TIMER_PARKED},
        {"ctrl arms", Stopped, 0, 0, down, 1, Stopped, Armed, 4000, "IAStart", false, false, 0},
        {"ctrl arms counting", Running, 0, 0, down, 1, Running, Armed, 4000, "&A_Stop", false, false, 0},
        {"posted ignores keys", Stopped, 0, down, down, 0, Running, Idle, 4000, "&Stop", true, true, TIMER_RUNNING},
        {"posted ignores flags", Running, ModArm, 0, 0, 0, Stopped, Idle, 4500, "&Start", true, false, TIMER_PARKED},
    };
    for (const StartStopCase &c : cases) {
        SetUp();
        Clock.RunState = c.run, Clock.ModifierFlags = c.mods, Clock.AccumulatedMs = 4000;
        Clock.BaseTick = 1000, fake::tick = 1500;
        fake::keys[VK_SHIFT] = c.shift, fake::keys[VK_CONTROL] = c.ctrl;
        EXPECT_EQ(Send(WM_COMMAND, IDC_START_STOP, c.lParam), 0) << c.name;
        EXPECT_EQ(Clock.RunState, c.runAfter) << c.name;
        EXPECT_EQ(Clock.ArmState, c.armAfter) << c.name;
        EXPECT_EQ(Clock.AccumulatedMs, c.msAfter) << c.name;
        EXPECT_EQ(Label(), c.label) << c.name;
        EXPECT_EQ(fake::Of(startStop).enabled, c.startOn) << c.name;
        EXPECT_EQ(fake::Of(lap).enabled, c.lapOn) << c.name;
        EXPECT_EQ(fake::timer.period, c.timer) << c.name;
        if (c.timer) {
            EXPECT_EQ(fake::timer.id, (UINT_PTR)TIMER_ID) << c.name;
            EXPECT_EQ(fake::timer.proc, RefreshCaption) << c.name;
        }
        EXPECT_EQ(Clock.ModifierFlags, 0) << c.name;
        EXPECT_EQ(fake::focus, main) << c.name;
    }
}

// Lap and Reset from a clock that has counted 5.12 s (3.12 s of them live).
struct LapCase { const char *name; LONG run; bool shift; UINT message; WPARAM id; LONG runAfter; const char *shown; DWORD lapAfter; };

TEST_F(ClockTest, LapSplitAndReset)
{
    const LapCase cases[] = {
        {"lap", Running, false, WM_COMMAND, IDC_LAP, LapHold, "  0:00:05.12", 512},
        {"split", Running, true, WM_COMMAND, IDC_LAP, Running, "  0:00:05.12", 512},
        {"lap again", LapHold, false, WM_COMMAND, IDC_LAP, LapHold, "  0:00:05.12", 512},
        {"lap while stopped", Stopped, false, WM_COMMAND, IDC_LAP, Stopped, "", 77},
        {"reset counting", Running, false, WM_SYSCOMMAND, IDM_RESET, Running, "  0:00:00", 77},
        {"reset stopped", Stopped, false, WM_KEYDOWN, 'Z', Stopped, "  0:00:00.00", 0},
        {"reset keeps a lap", LapHold, true, WM_KEYDOWN, 'Z', LapHold, "  -:00:00.77", 77},
    };
    for (const LapCase &c : cases) {
        SetUp();
        Clock.RunState = c.run, Clock.AccumulatedMs = 2000, Clock.LapCs = 77;
        Clock.BaseTick = 1000, fake::tick = 4120, fake::timer.period = 42;
        fake::keys[VK_SHIFT] = c.shift ? (SHORT)0x8000 : 0;
        EXPECT_EQ(Send(c.message, c.id, 1), 0) << c.name;
        EXPECT_EQ(Clock.RunState, c.runAfter) << c.name;
        EXPECT_EQ(Caption(), Cp932(c.shown)) << c.name;
        EXPECT_EQ(Clock.LapCs, c.lapAfter) << c.name;
        EXPECT_EQ(fake::timer.period, 42u) << c.name;  // neither touches the timer
        EXPECT_EQ(Clock.ModifierFlags, 0) << c.name;
    }
}

TEST_F(ClockTest, UnknownCommandGoesToDefaultAndKeepsModifiers)
{
    Clock.ModifierFlags = ModReset;
    EXPECT_EQ(Send(WM_COMMAND, 0x9999, 1), fake::DefaultResult);
    EXPECT_EQ(fake::defaultMessage, (UINT)WM_COMMAND);
    EXPECT_EQ(Clock.ModifierFlags, ModReset);
}

// The two roads: leaving starts a stopped clock, the return stops any clock.
TEST_F(ClockTest, AwayTiming)
{
    for (LONG run : {Stopped, Running}) {
        SetUp();
        Clock.RunState = run;
        Send(WM_KEYDOWN, 'A', 1);
        EXPECT_EQ(Label(), run ? "&A_Stop" : "IAStart");
        EXPECT_FALSE(fake::Of(startStop).enabled || fake::Of(lap).enabled);
        Send(WM_ACTIVATE, 2);                 // a click on our own caption: no change
        EXPECT_EQ(fake::queued, 0);
        fake::tick = 1000, fake::focus = NULL;
        Send(WM_ACTIVATE, WA_INACTIVE);       // the user goes elsewhere
        EXPECT_EQ(fake::queue[fake::queued - 1].message, (UINT)WM_NCACTIVATE);
        Pump();
        EXPECT_EQ(Clock.RunState, Running);
        EXPECT_EQ(Label(), "&A_Stop");
        EXPECT_EQ(fake::focus, (HWND)NULL);   // not pulled back while away
        fake::tick = 6000;
        Send(WM_ACTIVATE, 1);                 // and comes back
        Pump();
        EXPECT_EQ(Clock.ArmState, Idle);
        EXPECT_EQ(Label(), "&Start");
        EXPECT_TRUE(fake::Of(startStop).enabled);
        EXPECT_EQ(Caption(), Cp932(run ? "  0:00:06.00" : "  0:00:05.00"));
    }
}

TEST_F(ClockTest, KeysActAsUsualWhileArmed)
{
    fake::keys[VK_CONTROL] = (SHORT)0x8000;
    Send(WM_KEYDOWN, 'S', 1);                 // Ctrl+S arms as A does
    fake::keys[VK_CONTROL] = 0;
    Send(WM_KEYDOWN, 'S', 1);                 // starts at once, stays armed
    Send(WM_KEYDOWN, 'L', 1);
    EXPECT_EQ(Clock.RunState, LapHold);
    EXPECT_EQ(Clock.ArmState, Armed);
    Send(WM_ACTIVATE, WA_INACTIVE);
    Send(WM_ACTIVATE, 1);
    Pump();                                   // the return stops it
    EXPECT_EQ(Clock.RunState, Stopped);
}
