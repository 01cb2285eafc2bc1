// A program that ends at its first instruction, importing what the clock
// imports: whatever is loaded into it, Wine loaded as it started a program,
// before any of the program's code ran.
#include <windows.h>
#include <imm.h>

// Read, never called: so that the DLLs are imported, and start as they do
// for the clock.
static const void *const volatile Imports[] = {(void *)&MessageBeep, (void *)&GetStockObject, (void *)&ImmGetContext};

extern "C" void WinMainCRTStartup() { ExitProcess(Imports[0] == NULL); }
