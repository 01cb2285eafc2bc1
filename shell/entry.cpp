// The process entry point, in place of the C runtime's start-up code.
#include "shell.h"
#include "../startup/startup.h"

// Before anything loads a DLL: DLLs that system DLLs load by name (the theme
// DLL of the buttons, among others) come from the system folder only, never
// from the program's, which may be a Downloads folder full of anything.
// SetDefaultDllDirectories came with Windows 8 (and an update of 7); without
// it, at least the current folder leaves the search.
static void GuardDllSearch()
{
    auto systemOnly = (BOOL(WINAPI *)(DWORD))(void *)GetProcAddress(
        GetModuleHandleA("kernel32"), "SetDefaultDllDirectories");
    if (!systemOnly || !systemOnly(LOAD_LIBRARY_SEARCH_SYSTEM32))
        SetDllDirectoryW(L"");
}

extern "C" void WinMainCRTStartup()
{
    GuardDllSearch();
    LPSTR arguments = SkipProgramName(GetCommandLineA());
    ExitProcess(WinMain(GetModuleHandleA(NULL), NULL, arguments, SW_SHOWNORMAL));
}
