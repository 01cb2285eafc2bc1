// Away timing: once armed, leaving the window starts a stopped clock and
// coming back stops it. The clock is only ever moved by plain posted
// Start/Stop commands, so it goes through the same road as a click.
#include "clock_state.h"

static void PostStartStop()
{
    PostMessageA(Clock.MainWindow, WM_COMMAND, IDC_START_STOP, 0);
}

LRESULT OnActivate(WPARAM wParam)
{
    bool leaving = (wParam & 3) == WA_INACTIVE;
    if (Clock.ArmState > 0 && leaving) {
        Clock.ArmState = Fired;
        if (Clock.RunState == 0)
            PostStartStop();
        // Keep the caption drawn as active while the user is away.
        PostMessageA(Clock.MainWindow, WM_NCACTIVATE, 1, 0);
    } else if (Clock.ArmState < 0 && !leaving) {
        Clock.ArmState = Idle;
        PostStartStop();
    }
    return 0;
}
