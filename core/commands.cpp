// Start/Stop, Lap and Reset, with their modifiers, and the buttons that show
// what the clock does.
#include "clock_state.h"

const char *const Labels[6] = {
    "&Start", "&Stop", "&LAP", "IAStart", "&A_Stop", "&ZReset",
};

// Bit 15 of a key state is set while the key is down: down as the input
// being handled was queued, not as it is now, so that a Shift+S handled late
// keeps its Shift and a plain S handled while Shift is held for the next key
// does not take it.
static LONG KeyDownBits(int key, int shift)
{
    return (GetKeyState(key) & 0xFFFF) >> shift;
}

// The Start/Stop label follows the clock and the away timing; the buttons
// are blocked while armed, LAP also while the clock does not count.
static void ShowButtons()
{
    LONG a = Clock.ArmState & 1;
    LONG s = Clock.RunState & 1;
    SetWindowTextA(Clock.StartStopButton, Labels[s + 3 * a]);
    EnableWindow(Clock.StartStopButton, a ^ 1);
    EnableWindow(Clock.LapButton, Clock.RunState & (a ^ 1) & 1);
}

// Common entry of the buttons, the keys S, A and L and the arm menu item.
// Shift makes Start/Stop restart from zero and Lap a split.
LRESULT CommandEntry(WPARAM wParam, LPARAM lParam)
{
    Clock.ModifierFlags |= KeyDownBits(VK_SHIFT, 15);
    switch (LOWORD(wParam)) {
    case IDC_START_STOP: return StartStop(lParam);
    case IDC_LAP:        return Lap();
    }
    return DefWindowProcA(Clock.MainWindow, WM_COMMAND, wParam, lParam);
}

// Modifiers count only when lParam is nonzero: the program's own posted
// commands carry 0 and are plain toggles whatever keys are held.
LRESULT StartStop(LPARAM lParam)
{
    LONG m = 0;
    if (lParam)
        m = Clock.ModifierFlags | KeyDownBits(VK_CONTROL, 14);
    DWORD t = GetTickCount();
    if (Clock.RunState == 0) {
        Clock.BaseTick = t;
        if (m & ModReset) {
            Clock.AccumulatedMs = 0;
            RefreshCaption(Clock.MainWindow, 0, 0, t);
        }
        if (m & ModArm) {
            Clock.ArmState = Armed;
        } else {
            Clock.RunState = Running;
            RefreshCaption(Clock.MainWindow, 0, 0, t);  // sets the timer
        }
    } else if (m & ModArm) {
        Clock.ArmState = Armed;
    } else {
        Clock.AccumulatedMs += t - Clock.BaseTick;
        Clock.BaseTick = t;
        Clock.RunState = Stopped;
        // Parked, not killed: the timer lives as long as the window.
        SetTimer(Clock.MainWindow, TIMER_ID, TIMER_PARKED, RefreshCaption);
        RefreshCaption(Clock.MainWindow, 0, 0, t);
    }
    SaveClock(t, FALSE);
    ShowButtons();
    return CommandTail();
}

// A plain Start/Stop where the clock does not count as counting says; the
// buttons shown as the away timing now stands, in either case.
LRESULT RunAs(BOOL counting)
{
    if ((Clock.RunState != 0) != counting)
        return StartStop(0);
    ShowButtons();
    return CommandTail();
}

// Captures the time shown now; the clock counts on behind it. With any
// modifier it is a split: the next timer tick shows the live time again.
LRESULT Lap()
{
    DWORD t = GetTickCount();
    if (Clock.RunState != 0) {
        Clock.RunState = Stopped;  // so the refresh stores the value in LapCs
        RefreshCaption(Clock.MainWindow, 0, 0, t);
        Clock.RunState = Clock.ModifierFlags ? Running : LapHold;
        SaveClock(t, FALSE);
    }
    return CommandTail();
}

// Back to zero; a counting clock goes on counting from there.
LRESULT Reset()
{
    DWORD t = GetTickCount();
    Clock.BaseTick = t;
    Clock.AccumulatedMs = 0;
    RefreshCaption(Clock.MainWindow, 0, 0, t);
    SaveClock(t, FALSE);
    return CommandTail();
}

// Every command ends here: the keys need the focus back from the buttons,
// unless the user is away from the window.
LRESULT CommandTail()
{
    if (Clock.ArmState >= 0)
        SetFocus(Clock.MainWindow);
    Clock.ModifierFlags = 0;
    return 0;
}
