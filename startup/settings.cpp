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

// Reads the record, or writes it in place, through to the disk, so that a
// power cut just after a command keeps it. Every failure is silent: a
// missing file means defaults.
static void TransferSettings(BOOL save)
{
    WCHAR path[SETTINGS_PATH_SIZE];
    if (!SettingsPath(path))
        return;
    HANDLE file = CreateFileW(path, save ? GENERIC_WRITE : GENERIC_READ, 0, NULL,
                              save ? OPEN_ALWAYS : OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD done;
    StateRecord *record = &Clock;
    if (save)
        WriteFile(file, record, sizeof *record, &done, NULL);
    else
        ReadFile(file, record, sizeof *record, &done, NULL);
    CloseHandle(file);
}

void LoadSettings() { TransferSettings(FALSE); }
void SaveSettings() { TransferSettings(TRUE); }
