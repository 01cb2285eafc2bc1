// A stand-in for the system DLL of its name, put beside a program: each
// time it is loaded it adds its name as a line to the file "loaded" in the
// current folder (which the tests make the program's), and loads the
// system's own copy, which stays. Whatever asks for the DLL by name later
// finds that copy loaded, as it would with no stand-in. (Wine looks for a
// delay-loaded import in the program's folder first, whatever the program
// allowed, and would hand the stand-in to a caller of the real functions,
// which ends the program.)
#include <windows.h>
#include <string.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID)
{
    char path[MAX_PATH], system[2 * MAX_PATH];
    if (reason != DLL_PROCESS_ATTACH || !GetModuleFileNameA(self, path, MAX_PATH))
        return TRUE;
    const char *name = strrchr(path, '\\') + 1;
    DWORD written, n = wsprintfA(system, "%s\n", name);
    HANDLE file = CreateFileA("loaded", FILE_APPEND_DATA, 0, NULL, OPEN_ALWAYS, 0, NULL);
    WriteFile(file, system, n, &written, NULL);
    CloseHandle(file);
    wsprintfA(system + GetSystemDirectoryA(system, MAX_PATH), "\\%s", name);
    LoadLibraryA(system);
    return TRUE;
}
