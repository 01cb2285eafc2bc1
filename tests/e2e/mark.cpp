// A stand-in for the system DLL of its name, put beside a program: each
// time it is loaded it adds its name as a line to the file "loaded" in the
// current folder (which the tests make the program's), and loads the
// system's own copy, which stays. Whatever asks for the DLL by name later
// finds that copy loaded, as it would with no stand-in. (Wine looks for a
// delay-loaded import in the program's folder first, whatever the program
// allowed, and would hand the stand-in to a caller of the real functions,
// which ends the program.)
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID)
{
    if (reason != DLL_PROCESS_ATTACH)
        return TRUE;
    char path[MAX_PATH + 1], system[MAX_PATH];
    DWORD n = GetModuleFileNameA(self, path, MAX_PATH), written;
    char *name = path + n;
    while (name > path && name[-1] != '\\')
        name--;
    path[n] = '\n';
    HANDLE file = CreateFileA("loaded", FILE_APPEND_DATA, 0, NULL, OPEN_ALWAYS, 0, NULL);
    WriteFile(file, name, path + n + 1 - name, &written, NULL);
    CloseHandle(file);
    path[n] = 0;
    UINT length = GetSystemDirectoryA(system, MAX_PATH);
    if (length && length + 1 + (path + n - name) < MAX_PATH)
        LoadLibraryA(lstrcatA(lstrcatA(system, "\\"), name));
    return TRUE;
}
