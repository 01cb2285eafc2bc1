// The program's own code on the real Win32 platform, under Wine. A test
// controls only what it must (substitutes.cpp): the tick count, the module
// path, two failures no real system shows on demand, what only a user
// could answer, and where Wine does not do as Windows does. The window,
// its buttons, menu, focus, key state, timers, messages and files are real.
#pragma once
#include <doctest.h>
#include <fstream>
#include <iterator>
#include <string>
#include "../../core/clock_state.h"
#include "../../shell/shell.h"
#include "../../startup/startup.h"
#include <wtsapi32.h>

struct Substitutes {
    DWORD tick = 100000;                   // GetTickCount
    UINT timerPeriod = 0;                  // the last SetTimer's period, seen on its way
    TIMERPROC timers[4] = {};              // the procedure each timer id was last given
    const WCHAR *modulePath = L"clock.exe";  // GetModuleFileNameW, cut as Windows cuts it
    bool noIconTitleFont = false;          // SystemParametersInfoW fails, ForDpi too
    bool noStockFont = false;              // GetObjectW fails
    bool olderWindows = false;             // Vista, 7: no per-monitor DPI or DLL search
    HWND sessionWindow = NULL;             // registered for the session's notices
    bool mutexRefused = false;             // CreateMutexA: as to a clock run as administrator
    int refusals = 0;                      // refused first: the session's notices, as before Remote
                                           // Desktop Services is ready; hand-overs, as by such a clock
    HWND hung = NULL;                      // never answers a hand-over
    int launcherShow = 0;                  // the starter's show state, until Windows has spent it
    HANDLE heldFile = NULL;                // let go as the user is asked about it
    std::string libraries;                 // LoadLibraryExW and SetDllDirectoryW, as called
    HANDLE handed = NULL, freed = NULL;    // the last SetClipboardData's data, GlobalFree's memory
    UINT menuFlags = 0;                    // the last TrackPopupMenu's
    std::string calls;                     // "ime|" ImmDisableIME, "box|" MessageBoxA (see substitutes.cpp)
};
extern Substitutes Sub;

// The posted messages, as the message loop handles them.
inline void Pump()
{
    PostQuitMessage(0);
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0))
        DispatchMessageA(&msg);
}

// A fresh clock, and no settings file (clock.QNF in the working folder);
// the window, if the test made one, goes at the end.
struct Fixture {
    Fixture() { Clock = ClockState(), Sub = Substitutes(), DeleteFileA("clock.QNF"); }
    ~Fixture() { DestroyWindow(Clock.MainWindow), Pump(), CloseHandle(Clock.FileOwner); }
};

// WinMain up to its first command: Wine hands out the quit posted here
// after the command that WinMain posts.
inline void Start(const char *arguments = "", int show = SW_SHOWNORMAL)
{
    CloseHandle(Clock.FileOwner), Clock.FileOwner = NULL;  // an earlier start's
    std::string line = arguments;
    PostQuitMessage(0);
    REQUIRE(WinMain(GetModuleHandleA(NULL), NULL, &line[0], show) == 0);
}

inline LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return SendMessageA(Clock.MainWindow, message, wParam, lParam);
}

// The caption as the user reads it, ':' for the full-width colon.
inline std::string Caption()
{
    WCHAR text[32];
    std::string s;
    for (int i = 0, n = GetWindowTextW(Clock.MainWindow, text, 32); i < n; i++)
        s += text[i] == 0xFF1A ? ':' : (char)text[i];
    return s;
}

inline std::string Read(const char *name = "clock.QNF")
{
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// What the window shows and the clock holds, in one line: "caption|Start/Stop
// label, enabled, LAP enabled|RunState ArmState AccumulatedMs LapCs
// ModifierFlags|timer period|focus on the window|the file holds the record".
inline std::string State()
{
    char text[128], label[16], timer[16];
    GetWindowTextA(Clock.StartStopButton, label, sizeof label);
    wsprintfA(timer, Sub.timerPeriod == TIMER_PARKED ? "parked" : "%u", Sub.timerPeriod);
    wsprintfA(text, "|%s %d %d|%ld %ld %lu %lu %ld|%s|%d|%d", label, IsWindowEnabled(Clock.StartStopButton),
              IsWindowEnabled(Clock.LapButton), Clock.RunState, Clock.ArmState, Clock.AccumulatedMs,
              Clock.LapCs, Clock.ModifierFlags, timer, GetFocus() == Clock.MainWindow,
              Read() == std::string((char *)&Clock, sizeof(StateRecord)));
    return Caption() + text;
}

inline void Write(const std::string &bytes)
{
    std::ofstream("clock.QNF", std::ios::binary) << bytes;
}
