// The process entry point, in place of the C runtime's start-up code.
#include "shell.h"
#include "../startup/startup.h"

extern "C" void WinMainCRTStartup()
{
    GuardDllSearch();
    LPSTR arguments = SkipProgramName(GetCommandLineA());
    ExitProcess(WinMain(GetModuleHandleA(NULL), NULL, arguments, SW_SHOWNORMAL));
}
