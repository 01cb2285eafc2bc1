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

// The file follows every command, and a counting clock at least once a
// minute, so that a crash or a power cut loses no command and at most a
// minute of counting. Bringing the clock up to date changes nothing shown.
void SaveClock(DWORD tick)
{
    if (Clock.RunState) {
        Clock.AccumulatedMs += tick - Clock.BaseTick;
        Clock.BaseTick = tick;
    }
    Clock.SavedTick = tick;
    SaveSettings();
}
