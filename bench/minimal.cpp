// The yardsticks of the benchmark: a window with a caption and a message
// loop, built the same way as the clock, and nothing else; built with
// BUTTONS, the same with two buttons and the clock's manifest.
#include <windows.h>

extern "C" void WinMainCRTStartup()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "Minimal";
    RegisterClassA(&wc);
    HWND w = CreateWindowExA(WS_EX_TOPMOST, "Minimal", "minimal", WS_POPUP | WS_CAPTION | WS_VISIBLE,
                             0, 0, 160, 60, NULL, NULL, GetModuleHandleA(NULL), NULL);
#ifdef BUTTONS
    for (int i = 0; i < 2; i++)
        CreateWindowExA(0, "BUTTON", "&Start", WS_CHILD | WS_VISIBLE, 74 * i, 0, 74, 24, w, NULL, NULL, NULL);
#endif
    MSG msg;
    while (IsWindow(w) && GetMessageA(&msg, NULL, 0, 0))
        DispatchMessageA(&msg);
    ExitProcess(0);
}
