// The command line, and the argument strings that later starts hand the
// running clock. The switches override what the settings file said;
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

// A number at the cursor for field; a negative one is no position.
static void TakeNumber(LPCSTR *p, int field, SwitchTaker take)
{
    LONG v = ParseDecimal(p);
    if (v >= 0)
        take(field, v);
}

// The switch letters, upper case only, with the field each sets and to what.
static const struct { char letter; signed char field, value; } Letters[] = {
    {'Z', FieldAccumulated, 0},
    {'S', FieldRunState, Running}, {'P', FieldRunState, Stopped}, {'L', FieldRunState, LapHold},
    {'N', FieldShowState, ShowNormal}, {'M', FieldShowState, ShowMinimized},
};

// After "/": letters and numbers until the end or a y value. The one
// character after a number is consumed unseen, so /100S does not start.
static void ApplyGroup(LPCSTR *p, SwitchTaker take)
{
    for (;; (*p)++) {
        auto l = Letters, end = Letters + sizeof Letters / sizeof *l;
        while (l < end && l->letter != **p)
            l++;
        if (l < end) {
            take(l->field, l->value);
            continue;
        }
        if (**p != '*') {
            TakeNumber(p, FieldLeft, take);
            if (**p == 0)
                return;
            if (**p != '*')
                continue;
        }
        (*p)++;  // y follows "*", and ends the group
        TakeNumber(p, FieldTop, take);
        return;
    }
}

void ApplySwitches(LPCSTR p, SwitchTaker take)
{
    while (*p)
        if (*p++ == '/')
            ApplyGroup(&p, take);
}

void SetSwitch(int field, LONG value)
{
    ((LONG *)static_cast<StateRecord *>(&Clock))[field] = value;
}

// Whatever another program sends, of any length and with or without a NUL:
// read within size, and no further than the buffer holds.
void ReadHandOver(const void *data, DWORD size, LPSTR arguments)
{
    const char *in = (const char *)data;
    DWORD n = 0;
    while (n < size && n < HANDOVER_SIZE - 1 && in[n])
        arguments[n] = in[n], n++;
    arguments[n] = 0;
}
