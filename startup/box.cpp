// A box shown before the clock's window: a question about the settings
// file, or the notice of switches that no clock took.
#include "startup.h"

// Windows gives the first captioned window a program shows the show state
// of its starter (a shortcut's Run: Minimized), and the box would be that
// window: minimized, where nobody sees it, and the start waiting on it. A
// window of no use, never seen, takes that show state first; WinMain gives
// it to the clock's window in so many words.
int AskUser(LPCSTR text, UINT type)
{
    HWND spare = CreateWindowExA(0, "STATIC", NULL, WS_CAPTION, 0, 0, 0, 0, NULL, NULL, NULL, NULL);
    ShowWindow(spare, SW_HIDE);
    DestroyWindow(spare);
    return MessageBoxA(NULL, text, "Vorlandine", type | MB_ICONWARNING | MB_SETFOREGROUND);
}
