// The command line. The switches override what the settings file said;
// anything the program does not understand is skipped in silence.
#include "startup.h"
#include "../core/clock_state.h"

// A quoted name runs to the closing quote; an unquoted one to the first
// space after its first character. Spaces (not tabs) after it are skipped.
LPSTR SkipProgramName(LPSTR p)
{
    if (*p == '"') {
        p++;
        while (*p && *p != '"')
            p++;
        if (*p)
            p++;
    } else if (*p) {
        p++;  // even a space here belongs to the name
        while (*p && *p != ' ')
            p++;
    }
    while (*p == ' ')
        p++;
    return p;
}

// Digits only; the value wraps in 32 bits, and a run that has wrapped
// negative starts again from 0 at its next digit.
LONG ParseDecimal(LPCSTR *cursor)
{
    LONG v = -1;
    while (**cursor >= '0' && **cursor <= '9') {
        if (v < 0)
            v = 0;
        v = (LONG)((DWORD)v * 10 + (DWORD)(**cursor - '0'));
        (*cursor)++;
    }
    return v;
}

// y after "*": ends the group.
static void ApplyTop(LPCSTR *p)
{
    (*p)++;
    LONG v = ParseDecimal(p);
    if (v >= 0)
        Clock.WindowRect.top = v;
}

// After "/": letters and numbers until the end or a y value. The one
// character after a number is consumed unseen, so /100S does not start.
static void ApplyGroup(LPCSTR *p)
{
    for (;;) {
        switch (**p) {
        case 0:   return;
        case 'Z': Clock.AccumulatedMs = 0; break;
        case 'S': Clock.RunState = Running; break;
        case 'P': Clock.RunState = Stopped; break;
        case 'L': Clock.RunState = LapHold; break;
        case 'N': Clock.ShowState = ShowNormal; break;
        case 'M': Clock.ShowState = ShowMinimized; break;
        case '*': ApplyTop(p); return;
        default: {
            LONG v = ParseDecimal(p);
            if (v >= 0)
                Clock.WindowRect.left = v;
            if (**p == '*') {
                ApplyTop(p);
                return;
            }
            if (**p == 0)
                return;
        }
        }
        (*p)++;
    }
}

void ApplySwitches(LPCSTR p)
{
    while (*p)
        if (*p++ == '/')
            ApplyGroup(&p);
}
