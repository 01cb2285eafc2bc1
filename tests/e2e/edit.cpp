// Edits a program's resources as rcedit and installers do, with Windows' own
// functions: a string table added, and the manifest written back as it is.
// Usage: edit PROGRAM.exe
#define UNICODE
#include <windows.h>

int wmain(int, wchar_t **argv)
{
    HMODULE image = LoadLibraryExW(argv[1], NULL, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC manifest = FindResourceW(image, MAKEINTRESOURCEW(1), RT_MANIFEST);
    WCHAR strings[16 + 5] = L"\005Added";  // table 1: 16 counted strings, the first "Added"
    HANDLE update = BeginUpdateResourceW(argv[1], FALSE);
    BOOL done = manifest && update &&
                UpdateResourceW(update, RT_MANIFEST, MAKEINTRESOURCEW(1), MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
                                LockResource(LoadResource(image, manifest)), SizeofResource(image, manifest)) &&
                UpdateResourceW(update, RT_STRING, MAKEINTRESOURCEW(1), 0, strings, sizeof strings);
    FreeLibrary(image);
    return !(done && EndUpdateResourceW(update, FALSE));
}
