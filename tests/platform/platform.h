// The program's own code on the real Win32 platform, under Wine. A test
// controls only what it must: the tick count, the key state, the module path
// and two failures no real system shows on demand (substitutes.cpp). The
// window, its buttons, menu, focus, timers, messages and files are real.
#pragma once
#include <doctest.h>
#include <string>
#include "../../core/clock_state.h"
#include "../../shell/shell.h"
#include "../../startup/startup.h"

struct Substitutes {
    DWORD tick = 100000;                   // GetTickCount
    SHORT keys[256] = {};                  // GetAsyncKeyState
    UINT timerPeriod = 0;                  // the last SetTimer's period, seen on its way
    const char *modulePath = "clock.exe";  // GetModuleFileNameA, cut as Windows cuts it
    bool noIconTitleFont = false;          // SystemParametersInfoA fails
    bool noStockFont = false;              // GetObjectA fails
};
extern Substitutes Sub;

// A fresh clock, and no settings file (clock.QNF in the working folder);
// the window, if the test made one, is destroyed at the end.
struct Fixture {
    Fixture();
    ~Fixture();
};
void Start(const char *arguments = "");  // WinMain, up to its first command
void Pump();  // the posted messages, as the message loop handles them
LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
std::string Caption();  // as the user reads it, ':' for the full-width colon
// What the window shows and the clock holds, in one line:
// "caption|Start/Stop label, enabled, LAP enabled|RunState ArmState
//  AccumulatedMs LapCs ModifierFlags|timer period|focus on the window"
std::string State();
std::string Read(const char *name = "clock.QNF");
void Write(const std::string &bytes);
