// Edits a program's resources as rcedit, mt.exe and installers do, with
// Windows' own functions, which rebuild the resource section from its tree:
// here a string table is added. Usage: edit PROGRAM.exe
#define UNICODE
#include <windows.h>

int wmain(int, wchar_t **argv)
{
    WCHAR strings[16 + 5] = L"\005Added";  // table 1: 16 counted strings, the first "Added"
    HANDLE update = BeginUpdateResourceW(argv[1], FALSE);
    return !(update && UpdateResourceW(update, RT_STRING, MAKEINTRESOURCEW(1), 0, strings, sizeof strings) &&
             EndUpdateResourceW(update, FALSE));
}
