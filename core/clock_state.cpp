// The one clock of the process and the arithmetic every part shares.
#include "clock_state.h"

ClockState Clock;  // zero-initialised: stopped at 0, window at (0, 0)

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
