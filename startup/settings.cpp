// The settings file: the executable's path with its last three characters
// replaced by "QNF", holding the 32-byte StateRecord as it is in memory.
#include "startup.h"
#include "../core/clock_state.h"

// Wide, so that a folder or a name in any language works: the ANSI path
// has another character, or '?', for each that the ANSI code page lacks, and
// so names no file.
DWORD SettingsPath(LPWSTR path)
{
    DWORD length = GetModuleFileNameW(NULL, path, SETTINGS_PATH_SIZE);
    // A full buffer means the path was cut off: that name is not ours.
    if (length < 3 || length >= SETTINGS_PATH_SIZE)
        return 0;
    path[length - 3] = 'Q';
    path[length - 2] = 'N';
    path[length - 1] = 'F';
    return length;
}

// FNV-1a over the name in capitals, as Windows compares file names.
DWORD SettingsKey()
{
    WCHAR path[SETTINGS_PATH_SIZE];
    DWORD length = SettingsPath(path);
    DWORD key = 2166136261u;
    CharUpperBuffW(path, length);
    for (DWORD i = 0; i < length; i++)
        key = (key ^ path[i]) * 16777619u;
    return length ? key : 0;
}

// Where the program may not write (a read-only share, a locked-down folder,
// Program Files), the settings live in the user's own local application
// data: Vorlandine\<key>.QNF, the key made from the program's path, so that
// copies in two such folders are two clocks, as beside the program.
static BOOL PerUserPath(LPWSTR path, BOOL makeFolder)
{
    DWORD key = SettingsKey();
    DWORD n = GetEnvironmentVariableW(L"LOCALAPPDATA", path, SETTINGS_PATH_SIZE);
    if (!key || !n || n > SETTINGS_PATH_SIZE - 25)  // no room for the name below
        return FALSE;
    char name[26];
    wsprintfA(name, "\\Vorlandine\\%08lX.QNF", key);
    for (int i = 0; (path[n + i] = name[i]); i++) {
    }
    if (makeFolder) {
        path[n + 11] = 0;  // up to the folder's name
        CreateDirectoryW(path, NULL);
        path[n + 11] = '\\';
    }
    return TRUE;
}

enum { Done, Held, Failed };

// One read or write of the record at path, in place and through to the
// disk, so that a power cut just after a command keeps it. Other programs
// may read the file meanwhile (a sync client, a backup, a virus scanner);
// one that holds it without sharing makes this Held. All 32 bytes or
// nothing: a short file (the empty one that a full disk leaves, say) is no
// saved clock, and a write cut short is no save.
static int Transfer(LPCWSTR path, BOOL save, DWORD disposition)
{
    HANDLE file = CreateFileW(path, save ? GENERIC_WRITE : GENERIC_READ, FILE_SHARE_READ, NULL, disposition,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_SHARING_VIOLATION ? Held : Failed;
    StateRecord record = Clock;
    DWORD done = 0;
    BOOL moved = save ? WriteFile(file, &record, sizeof record, &done, NULL)
                      : ReadFile(file, &record, sizeof record, &done, NULL);
    CloseHandle(file);
    if (!moved || done != sizeof record)
        return Failed;
    static_cast<StateRecord &>(Clock) = record;
    return Done;
}

// The per-user file once it exists; else the file beside the program, and
// a save that cannot be made there (not even as a new file, or not whole)
// makes the per-user one. A missing or short file reads as the defaults.
static int TransferSettings(BOOL save)
{
    WCHAR path[SETTINGS_PATH_SIZE];
    int outcome = PerUserPath(path, FALSE) ? Transfer(path, save, OPEN_EXISTING) : Failed;
    if (outcome == Failed && SettingsPath(path))
        outcome = Transfer(path, save, save ? OPEN_ALWAYS : OPEN_EXISTING);
    if (outcome == Failed && save && PerUserPath(path, TRUE))
        outcome = Transfer(path, save, OPEN_ALWAYS);
    return outcome;
}

// With wait, a file another program holds is tried again a few times a
// second, for up to two seconds. FALSE when it stayed held.
static BOOL TransferWaiting(BOOL save, BOOL wait)
{
    for (int tries = 1; TransferSettings(save) == Held; tries++) {
        if (!wait || tries == HELD_TRIES)
            return FALSE;
        Sleep(HELD_RETRY);
    }
    return TRUE;
}

// A file that stays held is not taken for a missing one: the clock would
// then save its defaults over the time it could not read. The user waits
// for the other program, or the clock does not start. FALSE: it does not.
BOOL LoadSettings()
{
    while (!TransferWaiting(FALSE, TRUE))
        if (AskUser("Another program is using the clock's settings file, so the clock cannot read its saved "
                    "time.\n\nRetry once that program is done with it; Cancel closes the clock.",
                    MB_RETRYCANCEL) != IDRETRY)
            return FALSE;
    return TRUE;
}

BOOL SaveSettings(BOOL wait) { return TransferWaiting(TRUE, wait); }
