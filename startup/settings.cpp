// The settings file: the executable's path with its last three characters
// replaced by "QNF", holding the 32-byte StateRecord as it is in memory.
#include "startup.h"
#include "../core/clock_state.h"

// direction 0 reads (GENERIC_READ, OPEN_EXISTING), 1 writes (GENERIC_WRITE,
// OPEN_ALWAYS) in place, through to the disk, so that a power cut just after
// a command keeps it. Every failure is silent: a missing file means defaults.
void TransferSettings(int direction)
{
    char path[SETTINGS_PATH_SIZE];
    DWORD length = GetModuleFileNameA(NULL, path, SETTINGS_PATH_SIZE);
    // A full buffer means the path was cut off: that name is not ours.
    if (length < 3 || length >= SETTINGS_PATH_SIZE)
        return;
    path[length - 3] = 'Q';
    path[length - 2] = 'N';
    path[length - 1] = 'F';
    HANDLE file = CreateFileA(path, 0x80000000u >> direction, 0, NULL,
                              direction + 3, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD done;
    StateRecord *record = &Clock;
    if (direction)
        WriteFile(file, record, sizeof *record, &done, NULL);
    else
        ReadFile(file, record, sizeof *record, &done, NULL);
    CloseHandle(file);
}
