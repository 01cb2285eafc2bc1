// The window shell: start-up, the message loop and the window procedure.
#pragma once
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int);
LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
