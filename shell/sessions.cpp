// The notices of the program's own session, so that locking the screen
// counts for the away timing. wtsapi32 is loaded at run time, from the
// system folder only: as an import, Windows would look for it before the
// entry point's DLL guard, in the program's folder first. Without it, or
// without its functions, the clock works as before.
#include "shell.h"
#include <wtsapi32.h>
#include "../core/clock_state.h"

// One copy for both calls: 8 bytes fewer than inlined at each.
__attribute__((noinline)) void WatchSessions(BOOL watch)
{
    HMODULE wts = LoadLibraryExA("wtsapi32.dll", NULL, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!wts)
        return;
    if (watch) {
        auto on = (decltype(&WTSRegisterSessionNotification))(void *)GetProcAddress(wts, "WTSRegisterSessionNotification");
        if (on)
            on(Clock.MainWindow, NOTIFY_FOR_THIS_SESSION);
    } else {
        auto off = (decltype(&WTSUnRegisterSessionNotification))(void *)GetProcAddress(wts, "WTSUnRegisterSessionNotification");
        if (off)
            off(Clock.MainWindow);
    }
}
