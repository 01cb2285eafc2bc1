// One clock per settings file. A start whose file belongs to a running
// clock makes no window: it hands that clock its argument string and ends,
// so that a shortcut or a macro key running "vorlandine /P" stops the clock
// wherever the focus is. A clock owns its file by a mutex named for it.
#include "shell.h"
#include "../core/clock_state.h"
#include "../startup/startup.h"

#define HANDOVER_ROUND   100   // ms between rounds
#define HANDOVER_WAIT    3000  // ms of rounds: the clock may be making its window
#define HANDOVER_TIMEOUT 2000  // ms that a clock has to take the switches

static int Switches;  // in the argument string at hand

static void CountSwitch(int, LONG)
{
    Switches++;
}

static DWORD Length(LPCSTR text)
{
    DWORD n = 0;
    while (text[n])
        n++;
    return n;
}

// Whether a clock took the arguments: the clock of the file answers TRUE,
// that of another file FALSE. A clock that does not answer in time (hung or
// busy), or whose window refuses the message (one run as administrator,
// before it lets the hand-over in), does not end the search: the clock of
// the file may come after it, and the next round asks them all again.
static BOOL SendToClocks(DWORD key, LPCSTR arguments)
{
    COPYDATASTRUCT data = {key, Length(arguments), (PVOID)arguments};
    for (HWND clock = NULL; (clock = FindWindowExA(NULL, clock, ClassName, NULL));) {
        DWORD_PTR taken = FALSE;
        if (SendMessageTimeoutA(clock, WM_COPYDATA, 0, (LPARAM)&data, SMTO_ABORTIFHUNG, HANDOVER_TIMEOUT,
                                &taken) && taken)
            return TRUE;
    }
    return FALSE;
}

// The mutex of the file of key, named by format.
static HANDLE FileMutex(LPCSTR format, DWORD key, BOOL owned)
{
    char name[32];
    wsprintfA(name, format, key);
    return CreateMutexA(NULL, owned, name);
}
static const char OwnerName[] = "Vorlandine %08lX";
static const char ReadingName[] = "Vorlandine %08lX reading";

// Held while the clock reads its file, which takes as long as the user
// takes to answer about a file another program holds.
HANDLE MarkReading()
{
    return FileMutex(ReadingName, Clock.SettingsKey, FALSE);
}

// Whether the clock of key is reading its file.
static BOOL Reading(DWORD key)
{
    HANDLE mark = FileMutex(ReadingName, key, FALSE);
    DWORD error = GetLastError();
    CloseHandle(mark);
    return error == ERROR_ALREADY_EXISTS || error == ERROR_ACCESS_DENIED;
}

// Switches that no clock took: the user hears of it, rather than find
// later that a shortcut did nothing. A start without them only ends.
static BOOL NotHandedOver(LPCSTR arguments)
{
    if (Switches) {
        char text[320];
        wsprintfA(text, "The running clock did not answer, so it did not take the switches:\n\n%.200s\n\n"
                  "Try again once it answers.", arguments);
        AskUser(text, MB_OK);
    }
    return TRUE;
}

// TRUE when this start is to end at once: its arguments handed to the clock
// that owns its settings file, or the user told that they were not.
// Otherwise this start owns the file from now.
// A clock run as administrator owns a mutex that a start without elevation
// may not open: refused, it exists all the same.
BOOL HandedOver(LPCSTR arguments)
{
    DWORD key = SettingsKey();
    if (!key)
        return FALSE;  // no file to own: a clock of its own, as ever
    // Without switches the clock comes to the front: the right to the
    // foreground, which this start has from the user, goes with them.
    Switches = 0;
    ApplySwitches(arguments, CountSwitch);
    // The clock holds the mutex as long as its process lives; the wait
    // between rounds ends when it ends, and this start is then the clock.
    // Rounds while the clock reads its file do not count; the others count
    // their time, a clock's slow answer included.
    HANDLE owner;
    for (DWORD round = 0, waited = 0;; round++) {
        owner = FileMutex(OwnerName, key, TRUE);
        DWORD error = GetLastError();
        if (error != ERROR_ALREADY_EXISTS && error != ERROR_ACCESS_DENIED)
            break;
        if (!round && !Switches)
            AllowSetForegroundWindow(ASFW_ANY);
        DWORD began = GetTickCount();
        if (SendToClocks(key, arguments))
            return TRUE;
        DWORD spent = GetTickCount() - began + HANDOVER_ROUND;
        if (owner ? WaitForSingleObject(owner, HANDOVER_ROUND) != WAIT_TIMEOUT : (Sleep(HANDOVER_ROUND), FALSE))
            break;  // the clock ended, answering or not: this start is the clock
        CloseHandle(owner);
        if (!Reading(key) && (waited += spent) > HANDOVER_WAIT)
            return NotHandedOver(arguments);
    }
    Clock.FileOwner = owner, Clock.SettingsKey = key;
    return FALSE;
}

// Windows (Vista on) keeps the messages of a program without elevation
// from the window of one with it: an elevated clock lets the hand-over in.
// Whatever a start sends, it can do no more than a start could.
void AcceptHandOvers(HWND window)
{
    auto allow = LATER(ChangeWindowMessageFilterEx);  // Windows 7 on
    auto allowAll = LATER(ChangeWindowMessageFilter);  // Vista: for every window
    if (allow)
        allow(window, WM_COPYDATA, MSGFLT_ALLOW, NULL);
    else if (allowAll)
        allowAll(WM_COPYDATA, MSGFLT_ADD);
}

// A switch of a later start, as that start would have taken it, on the
// clock as it runs: the time counted is kept; L takes a lap as the key does.
static void TakeSwitch(int field, LONG value)
{
    Switches++;
    LONG at[2] = {Clock.WindowRect.left, Clock.WindowRect.top};
    switch (field) {
    case FieldAccumulated:
        Reset();
        break;
    case FieldRunState:
        if (value < 0)
            Lap();
        else
            RunAs(value);
        break;
    case FieldShowState:
        ShowWindow(Clock.MainWindow, value ? SW_SHOWMINNOACTIVE : SW_SHOWNOACTIVATE);
        break;
    default:
        at[field] = value;
        SetWindowPos(Clock.MainWindow, NULL, at[0], at[1], 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// WM_COPYDATA: a later start of the program from the same settings file;
// anything else another program sends is none of ours (and whatever it
// sends, it can do no more than a start could). Until WinMain has made the
// whole window, the later start tries again; the switches then act after
// the start-up toggle. Without switches, the clock comes to the front. The
// file follows, as after every command.
LRESULT OnHandOver(const COPYDATASTRUCT *data)
{
    if (data->dwData != Clock.SettingsKey || !Clock.MainWindow)
        return FALSE;
    Resume();
    char arguments[HANDOVER_SIZE];
    ReadHandOver(data->lpData, data->cbData, arguments);
    Switches = 0;
    ApplySwitches(arguments, TakeSwitch);
    if (!Switches) {
        ShowWindow(Clock.MainWindow, SW_SHOWNORMAL);  // restored, if minimized
        SetForegroundWindow(Clock.MainWindow);
    }
    SaveClock(GetTickCount(), FALSE);
    return TRUE;
}
