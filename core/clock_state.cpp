// The one clock of the process, the arithmetic every part shares, and the
// settings file kept up with it.
#include "clock_state.h"
#include "../startup/startup.h"

ClockState TheClock;  // zero-initialised: stopped at 0, window at (0, 0)

// Milliseconds elapsed at tick; unsigned, so a wrap of the tick count
// between BaseTick and tick costs nothing.
DWORD ElapsedMs(DWORD tick)
{
    return Clock.AccumulatedMs - Clock.BaseTick + tick;
}

// Hundredths elapsed at tick, rounded to the nearest, halves upwards.
DWORD ElapsedCs(DWORD tick)
{
    return (ElapsedMs(tick) + 5) / 10;
}

// A save that found the file held by another program, made again until it
// lands; the record it writes is the clock as it is then.
static void CALLBACK SaveAgain(HWND window, UINT, UINT_PTR id, DWORD)
{
    if (SaveSettings(FALSE))
        KillTimer(window, id);
}

// The file follows every command, and a counting clock at least once a
// minute, so that a crash or a power cut loses no command and at most a
// minute of counting. Bringing the clock up to date changes nothing shown.
// A file that another program holds is written as soon as it is free: the
// last save waits for it, the others leave a timer that tries again, so
// that the window answers meanwhile.
void SaveClock(DWORD tick, BOOL last)
{
    if (Clock.RunState) {
        Clock.AccumulatedMs += tick - Clock.BaseTick;
        Clock.BaseTick = tick;
    }
    Clock.SavedTick = tick;
    if (!SaveSettings(last))
        SetTimer(Clock.MainWindow, TIMER_SAVE, HELD_RETRY, SaveAgain);
}
