// The clock's whole state, its arithmetic, the caption and the commands.
// Every part of the program includes this header and works on the one
// global Clock.
#pragma once
#include <windows.h>

// Command identifiers: the buttons' child ids and the system-menu item ids.
#define IDM_SEPARATOR   0x800F
#define IDC_START_STOP  0x8011
#define IDC_LAP         0x8012
#define IDM_RESET       0x8013
#define IDM_ARM         0x8014

// RunState: nonzero counts, negative shows LapCs, bit 0 picks the label.
enum { LapHold = -1, Stopped = 0, Running = 1 };
// ShowState: ShowWindow takes ShowState + 1.
enum { ShowNormal = 0, ShowMinimized = 6 };
// ModifierFlags bits of the command being handled.
enum { ModReset = 1, ModArm = 2 };
// ArmState of the away timing.
enum { Fired = -1, Idle = 0, Armed = 1 };

#define TIMER_ID         1
#define TIMER_SAVE       2           // a save made again while the file is held
#define TIMER_PARKED     0x7FFFFFFE  // a stopped clock keeps its timer, asleep
#define SAVE_EVERY       59000       // a counting clock's file is never a minute old
#define CAPTION_SIZE     17          // "%5d" hours in the full format + NUL

// The settings file holds exactly these 32 bytes, little-endian, in order.
struct StateRecord {
    RECT  WindowRect;     // outer edges on the screen, filled by GetWindowRect
    DWORD AccumulatedMs;  // elapsed time up to BaseTick
    DWORD LapCs;          // last value shown in the full format, hundredths
    LONG  RunState;
    LONG  ShowState;
};
static_assert(sizeof(StateRecord) == 32, "the settings file is 32 bytes");

struct ClockState : StateRecord {
    DWORD BaseTick;       // tick at which AccumulatedMs was last brought up
    DWORD SavedTick;      // tick of the last write of the settings file
    LONG  ModifierFlags;
    LONG  ArmState;
    HWND  MainWindow;     // 0 until CreateWindowExA has returned
    HWND  StartStopButton;
    HWND  LapButton;
    HFONT CaptionFont;
    BOOL  Resumed;        // the start-up toggle has been handled
    HANDLE FileOwner;     // the mutex named for the settings file, held for life
    DWORD SettingsKey;    // of that file: later starts hand over to this clock
    char  CaptionBuffer[CAPTION_SIZE];  // the caption last shown; [2] is read back
};

// The one clock. The program reaches it through a register rather than by
// its address, which takes a relocation at every use: the empty asm hides
// the address from the compiler. The relocations saved outweigh the few
// bytes of code it costs.
extern ClockState TheClock;
inline ClockState &ClockInRegister()
{
    ClockState *clock = &TheClock;
    asm("" : "+r"(clock));
    return *clock;
}
#define Clock ClockInRegister()
extern const char *const Labels[6];  // button and menu texts, see commands.cpp
enum { LabelStart, LabelStop, LabelLap, LabelArmStart, LabelArmStop, LabelReset };

// Tick arithmetic, all modulo 2^32.
DWORD ElapsedMs(DWORD tick);
DWORD ElapsedCs(DWORD tick);

// Caption: also the timer procedure.
void CALLBACK RefreshCaption(HWND window, UINT message, UINT_PTR id, DWORD tick);
// The time shown, on the clipboard.
void CopyTime();

// Commands; each returns the value for the window system.
LRESULT CommandEntry(WPARAM wParam, LPARAM lParam);
LRESULT StartStop(LPARAM lParam);
LRESULT RunAs(BOOL counting);
LRESULT Lap();
LRESULT Reset();
LRESULT CommandTail();

// Brings a counting clock up to tick and writes the settings file; the
// last save, at exit, waits for a file that another program holds.
void SaveClock(DWORD tick, BOOL last);

// Away timing: it posts WM_AWAY, wParam TRUE to count and FALSE to stop,
// which RunAs carries out.
#define WM_AWAY (WM_APP + 1)
LRESULT OnActivate(WPARAM wParam);
LRESULT OnSessionChange(WPARAM event);
