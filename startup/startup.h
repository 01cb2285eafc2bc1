// Start-up input: the command line's switches, the settings file, and what
// a later start of the program hands the running clock.
#pragma once
#include <windows.h>

#define SETTINGS_PATH_SIZE 260
#define HANDOVER_SIZE      256  // a handed-over argument string is cut off past it

// The argument string: what follows the program's own name.
LPSTR SkipProgramName(LPSTR commandLine);
// Each switch sets one field of the saved record (numbered as LONGs from
// its start) to a value. ApplySwitches hands them to take, in order.
enum { FieldLeft, FieldTop, FieldAccumulated = 4, FieldRunState = 6, FieldShowState };
typedef void (*SwitchTaker)(int field, LONG value);
void ApplySwitches(LPCSTR arguments, SwitchTaker take);
// The taker of the start: the switches override the saved record.
void SetSwitch(int field, LONG value);
// Reads a decimal number and moves the cursor past it; -1 without a digit.
LONG ParseDecimal(LPCSTR *cursor);
// The size bytes another start handed over, as an argument string with its
// NUL in arguments[HANDOVER_SIZE].
void ReadHandOver(const void *data, DWORD size, LPSTR arguments);

// The settings file's name, in path[SETTINGS_PATH_SIZE], and its length;
// 0 when the program's own path was cut off, and so is no name of ours.
DWORD SettingsPath(LPWSTR path);
// The settings file's name as a number, whatever the case of its letters;
// 0 without a name.
DWORD SettingsKey();
// The 32-byte record beside the executable, or in the user's own folder
// where the program may not write: read at start; written after every
// command, once a minute while counting, and at exit. A file that another
// program holds is tried again every HELD_RETRY ms: for up to two seconds
// by a read, and by a save with wait. SaveSettings is FALSE when the file
// stayed held, and the save is to be made again; LoadSettings is FALSE
// when it stayed held and the user chose not to wait for it.
#define HELD_RETRY 250
#define HELD_TRIES 8
BOOL LoadSettings();
BOOL SaveSettings(BOOL wait);

// A box before the clock's window exists, with a warning sign, in front.
int AskUser(LPCSTR text, UINT type);
