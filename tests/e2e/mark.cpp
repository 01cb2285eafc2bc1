// A DLL that does nothing but leave a mark as it is loaded: an empty file
// "loaded" in the current folder (which the tests make the program's).
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        CloseHandle(CreateFileA("loaded", GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL));
    return TRUE;
}
