// Away timing: once armed, leaving the window starts a stopped clock and
// coming back stops it. The clock is only ever moved by plain Start/Stop
// commands, posted, so it goes through the same road as a click. They say
// what the clock is to do, not "toggle": while the user is away, a later
// start's /P may have stopped it, and the return must not start it again.
#include "clock_state.h"
#include <wtsapi32.h>

static void PostAway(BOOL counting)
{
    PostMessageA(Clock.MainWindow, WM_AWAY, counting, 0);
}

LRESULT OnActivate(WPARAM wParam)
{
    bool leaving = (wParam & 3) == WA_INACTIVE;
    if (Clock.ArmState > 0 && leaving) {
        Clock.ArmState = Fired;
        PostAway(TRUE);
        // Keep the caption drawn as active while the user is away.
        PostMessageA(Clock.MainWindow, WM_NCACTIVATE, 1, 0);
    } else if (Clock.ArmState < 0 && !leaving) {
        Clock.ArmState = Idle;
        PostAway(FALSE);
    }
    return 0;
}

// WM_WTSSESSION_CHANGE: locking the screen, or a session cut off, leaves the
// desk as surely as a switch to another window, but never deactivates the
// clock's window; unlocking or connecting again is the return.
LRESULT OnSessionChange(WPARAM event)
{
    const DWORD leaving = 1 << WTS_CONSOLE_DISCONNECT | 1 << WTS_REMOTE_DISCONNECT | 1 << WTS_SESSION_LOCK;
    const DWORD returning = 1 << WTS_CONSOLE_CONNECT | 1 << WTS_REMOTE_CONNECT | 1 << WTS_SESSION_UNLOCK;
    if (event < 32 && (leaving | returning) >> event & 1)
        OnActivate(returning >> event & 1);  // WA_ACTIVE, or WA_INACTIVE
    return 0;
}
