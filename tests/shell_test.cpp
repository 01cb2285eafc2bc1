// The window procedure and the start-up sequence.
#include "helpers.h"

TEST_F(ClockTest, RightClicksPostCommandsThatCountTheirModifier)
{
    Clock.AccumulatedMs = 9000;
    EXPECT_EQ(Send(WM_CONTEXTMENU, (WPARAM)startStop), 0);
    EXPECT_EQ(Clock.ModifierFlags, ModReset);     // kept until the command runs
    Pump();
    EXPECT_EQ(Clock.RunState, Running);           // restarted from zero
    EXPECT_EQ(Clock.AccumulatedMs, 0u);

    fake::tick = 1230;
    Send(WM_CONTEXTMENU, (WPARAM)lap);
    Pump();
    EXPECT_EQ(Clock.RunState, Running);           // a split, not a held lap
    EXPECT_EQ(Clock.LapCs, 123u);

    EXPECT_EQ(Send(WM_CONTEXTMENU, (WPARAM)main), fake::DefaultResult);
    EXPECT_EQ(fake::queued, 0);
}

TEST_F(ClockTest, ArmMenuItemArmsOnlyWithAnLParamAndOtherKeysDoNothing)
{
    Send(WM_SYSCOMMAND, IDM_ARM, 0);              // a plain toggle
    EXPECT_EQ(Clock.RunState, Running);
    EXPECT_EQ(Clock.ArmState, Idle);
    Send(WM_SYSCOMMAND, IDM_ARM, 1);
    EXPECT_EQ(Clock.ArmState, Armed);
    EXPECT_EQ(Send(WM_SYSCOMMAND, SC_CLOSE), fake::DefaultResult);
    Clock.ModifierFlags = ModArm, fake::focus = NULL;
    EXPECT_EQ(Send(WM_KEYDOWN, 'Q', 1), 0);       // only the command tail
    EXPECT_TRUE(fake::focus == main && Clock.ModifierFlags == 0);
    EXPECT_EQ(fake::defaultMessage, (UINT)WM_SYSCOMMAND);
}

TEST_F(ClockTest, SystemMenuFollowsTheClock)
{
    GetSystemMenu(main, FALSE);
    InsertMenuA((HMENU)1, 5, MF_BYPOSITION, IDM_ARM, "IAStart");
    const struct { bool iconic; LONG run, arm; UINT minimize, arm_flags; const char *text; } cases[] = {
        {false, Stopped, Idle, MF_ENABLED, MF_ENABLED, "IAStart"},
        {true, Running, Armed, MF_GRAYED, MF_GRAYED, "&A_Stop"},
        {false, LapHold, Fired, MF_ENABLED, MF_GRAYED, "&A_Stop"},
        {false, -2, Idle, MF_ENABLED, MF_ENABLED, "IAStart"},
    };
    for (auto &c : cases) {
        fake::iconic = c.iconic, Clock.RunState = c.run, Clock.ArmState = c.arm;
        Clock.ModifierFlags = 3;
        EXPECT_EQ(Send(WM_INITMENUPOPUP, 1), 0);
        EXPECT_EQ(fake::menu[3].flags, c.minimize) << c.text;
        EXPECT_EQ(fake::menu[5].flags, c.arm_flags) << c.text;
        EXPECT_STREQ(fake::menu[5].text, c.text);
        EXPECT_EQ(Clock.ModifierFlags, 0);
    }
}

TEST_F(ClockTest, MenuClosingReadsTheRightButton)
{
    fake::keys[VK_RBUTTON] = (SHORT)0x8001;
    Send(WM_MENUSELECT, 0xFFFEFFFFu);
    EXPECT_EQ(Clock.ModifierFlags, 0);
    Send(WM_MENUSELECT, 0xFFFF0000u);
    EXPECT_EQ(Clock.ModifierFlags, (LONG)0xFFFF8001);
    Clock.RunState = Running;
    Send(WM_KEYDOWN, 'L', 1);                     // any reading makes it a split
    EXPECT_EQ(Clock.RunState, Running);
}

TEST_F(ClockTest, PositionTrackingKeepsRightAndBottomOnScreen)
{
    const struct { RECT at; bool iconic; HWND created; RECT saved; LONG show; } cases[] = {
        {{100, 50, 250, 100}, false, main, {100, 50, 250, 100}, ShowNormal},
        {{900, 700, 1034, 770}, false, main, {890, 698, 1034, 770}, ShowNormal},
        {{874, 718, 1024, 768}, false, main, {874, 718, 1024, 768}, ShowNormal},
        {{-50, -20, 100, 30}, false, main, {-50, -20, 100, 30}, ShowNormal},
        {{300, 300, 450, 350}, true, main, {1, 2, 3, 4}, ShowMinimized},
        {{300, 300, 450, 350}, false, NULL, {300, 300, 450, 350}, ShowMinimized},
    };
    for (auto &c : cases) {
        Clock.WindowRect = {1, 2, 3, 4}, Clock.ShowState = ShowMinimized;
        Clock.MainWindow = c.created, fake::iconic = c.iconic;
        fake::Of(main).rect = c.at;
        EXPECT_EQ(Send(WM_MOVE), 0);
        const RECT &r = Clock.WindowRect;
        EXPECT_TRUE(r.left == c.saved.left && r.top == c.saved.top && r.right == c.saved.right &&
                    r.bottom == c.saved.bottom) << c.at.left << "," << c.at.top;
        EXPECT_EQ(fake::Of(main).rect.left, c.iconic ? c.at.left : c.saved.left);
        EXPECT_EQ(fake::Of(main).rect.top, c.iconic ? c.at.top : c.saved.top);
        EXPECT_EQ(Clock.ShowState, c.show);
    }
    fake::screenWidth = 800;                      // a smaller display
    Clock.MainWindow = main, fake::iconic = false;
    fake::Of(main).rect = {700, 10, 850, 60};
    Send(WM_DISPLAYCHANGE);
    EXPECT_EQ(fake::Of(main).rect.right, 800);
}

// Ending the session while counting saves the time up to that moment.
TEST_F(ClockTest, EndOfSessionSavesTheTimeCountedSoFar)
{
    char dir[] = "/tmp/shutdownXXXXXX";
    std::string exe = std::string(mkdtemp(dir)) + "/tool.exe";
    fake::modulePath = exe.c_str();
    fake::tick = 1000;
    Send(WM_KEYDOWN, 'S', 1);
    fake::tick = 4000;
    EXPECT_EQ(Send(WM_QUERYENDSESSION), TRUE);
    EXPECT_TRUE(fake::quit);
    Clock = ClockState();
    LoadSettings();
    EXPECT_TRUE(Clock.AccumulatedMs == 3000 && Clock.RunState == Running);
    EXPECT_EQ(system(("rm -rf " + std::string(dir)).c_str()), 0);
}

// WinMain from a saved record; the fake's message loop ends when the posted
// messages are handled.
struct StartTest : ClockTest {
    std::string dir;
    void SetUp() override
    {
        ClockTest::SetUp();
        fake::windowCount = 0;
        Clock = ClockState();
        char name[] = "/tmp/startXXXXXX";
        dir = mkdtemp(name);
    }
    void TearDown() override { EXPECT_EQ(system(("rm -rf " + dir).c_str()), 0); }
    void Start(LONG run, LONG show, const char *arguments = "")
    {
        std::string exe = dir + "/tool.exe";
        fake::modulePath = exe.c_str();
        Clock.AccumulatedMs = 5000, Clock.LapCs = 123, Clock.RunState = run, Clock.ShowState = show;
        Clock.WindowRect = {40, 30, 0, 0};
        SaveSettings();
        Clock = ClockState();
        fake::tick = 100000;
        char args[32];
        strcpy(args, arguments);
        EXPECT_EQ(WinMain(NULL, NULL, args, 0), 0);
        main = Clock.MainWindow, startStop = Clock.StartStopButton, lap = Clock.LapButton;
    }
};

TEST_F(StartTest, ResumesTheSavedClock)
{
    const struct { LONG saved; LONG run; const char *label, *shown; } cases[] = {
        {Stopped, Stopped, "&Start", "  0:00:05.00"},
        {LapHold, Stopped, "&Start", "  0:00:05.00"},
        {Running, Running, "&Stop", "  0:00:05"},
    };
    for (auto &c : cases) {
        TearDown(), SetUp();
        Start(c.saved, ShowNormal);
        EXPECT_EQ(Clock.RunState, c.run);
        EXPECT_EQ(Clock.AccumulatedMs, 5000u);    // nothing counted while closed
        EXPECT_EQ(Label(), c.label);
        EXPECT_EQ(Caption(), Cp932(c.shown));
        EXPECT_EQ(fake::timer.period, c.run ? TIMER_RUNNING : TIMER_PARKED);
    }
    fake::tick += 2000;                           // the last one counts on
    RefreshCaption(main, WM_TIMER, 1, fake::tick);
    EXPECT_EQ(Caption(), Cp932("  0:00:07"));
}

TEST_F(StartTest, BuildsTheWindowFromTheIconTitleFont)
{
    Start(Stopped, ShowNormal, "/100");
    EXPECT_TRUE(fake::dpiAware);
    EXPECT_EQ(fake::imeDisabled, 0xFFFFFFFFu);
    RECT client = fake::adjusted;                 // h = 2 - (-12) = 14
    EXPECT_TRUE(client.left == 0 && client.top == 0 && client.right == 148 && client.bottom == 24);
    RECT a = fake::Of(startStop).rect, b = fake::Of(lap).rect;
    EXPECT_TRUE(a.left == 0 && a.right == 74 && b.left == 74 && b.right == 148 && b.bottom == 24);
    EXPECT_EQ(fake::Of(main).rect.left, 100);
    EXPECT_EQ(fake::Of(main).rect.top, 30);
    EXPECT_EQ(fake::Of(lap).font, (HFONT)1);
    const char *order[] = {"Restore", "Move", "Minimize", "", "&ZReset", "IAStart", "", "Close"};
    ASSERT_EQ(fake::menuItems, 8);
    for (int i = 0; i < 8; i++)
        EXPECT_STREQ(fake::menu[i].text, order[i]);
    EXPECT_EQ(fake::menu[3].id, (UINT_PTR)IDM_SEPARATOR);
    EXPECT_EQ(fake::deleted, (HGDIOBJ)1);         // the font, after the loop
}

TEST_F(StartTest, FallsBackToTheStockFontOrGivesUp)
{
    fake::iconTitleHeight = 0, fake::stockHeight = -11;
    Start(Stopped, ShowNormal);
    EXPECT_EQ(fake::adjusted.right, 2 * (5 * 11 + 4));
    TearDown(), SetUp();
    fake::fontCreates = false, fake::stockHeight = 0;
    Start(Running, ShowNormal);
    EXPECT_EQ(fake::windowCount, 0);
    EXPECT_EQ(fake::deleted, (HGDIOBJ)2);
}

// Only 6 minimizes; a damaged value must not hide or maximize the window.
TEST_F(StartTest, ShowsMinimizedOnlyFor6)
{
    for (LONG show : {0, 6, -1, 2, 5}) {
        TearDown(), SetUp();
        Start(Stopped, show);
        EXPECT_EQ(fake::shown, show == 6 ? SW_SHOWMINNOACTIVE : SW_SHOWNORMAL) << show;
    }
}
