// The process entry point, in place of the C runtime's start-up code.
#include "shell.h"
#include "../startup/startup.h"

// WinMain is given the show state the starter asked for (a shortcut's Run).
extern "C" void WinMainCRTStartup()
{
    GuardDllSearch();
    STARTUPINFOA starter;
    GetStartupInfoA(&starter);
    LPSTR arguments = SkipProgramName(GetCommandLineA());
    ExitProcess(WinMain(GetModuleHandleA(NULL), NULL, arguments,
                        starter.dwFlags & STARTF_USESHOWWINDOW ? starter.wShowWindow : SW_SHOWNORMAL));
}
