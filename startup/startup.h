// Start-up input: the command line's switches and the settings file.
#pragma once
#include <windows.h>

#define SETTINGS_PATH_SIZE 260

// The argument string: what follows the program's own name.
LPSTR SkipProgramName(LPSTR commandLine);
// Applies the switches /Z /S /P /L /N /M and /x*y to the saved record.
void ApplySwitches(LPCSTR arguments);
// Reads a decimal number and moves the cursor past it; -1 without a digit.
LONG ParseDecimal(LPCSTR *cursor);

// The 32-byte record beside the executable, read at start; written after
// every command, once a minute while counting, and at exit.
void TransferSettings(int direction);
inline void LoadSettings() { TransferSettings(0); }
inline void SaveSettings() { TransferSettings(1); }
