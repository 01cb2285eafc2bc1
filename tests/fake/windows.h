// A fake of the few Win32 functions the program calls, for host tests.
// Types keep their Windows widths, so the host build truncates where the
// real builds would.
#pragma once
#include <stddef.h>
#include <stdint.h>

#define WINAPI
#define CALLBACK
#define WINAPIV
#define CONST const
#define FALSE 0
#define TRUE 1

typedef int BOOL;
typedef int LONG;
typedef unsigned int DWORD, UINT;
typedef short SHORT;
typedef unsigned short WORD;
typedef unsigned char BYTE;
typedef char CHAR, *LPSTR;
typedef const char *LPCSTR;
typedef void *LPVOID, *HANDLE;
typedef uintptr_t WPARAM, UINT_PTR;
typedef intptr_t LPARAM, LRESULT, INT_PTR;
typedef struct HWND__ *HWND;
typedef struct HMENU__ *HMENU;
typedef struct HINSTANCE__ *HINSTANCE, *HMODULE;
typedef struct HICON__ *HICON;
typedef struct HCURSOR__ *HCURSOR;
typedef struct HBRUSH__ *HBRUSH;
typedef struct HGDIOBJ__ *HGDIOBJ, *HFONT;
typedef INT_PTR (*FARPROC)();
typedef LRESULT (*WNDPROC)(HWND, UINT, WPARAM, LPARAM);
typedef void (*TIMERPROC)(HWND, UINT, UINT_PTR, DWORD);

typedef struct { LONG left, top, right, bottom; } RECT;
typedef struct { LONG x, y; } POINT;
typedef struct { HWND hwnd; UINT message; WPARAM wParam; LPARAM lParam; DWORD time; POINT pt; } MSG;
typedef struct {
    LONG lfHeight, lfWidth, lfEscapement, lfOrientation, lfWeight;
    BYTE lfItalic, lfUnderline, lfStrikeOut, lfCharSet;
    BYTE lfOutPrecision, lfClipPrecision, lfQuality, lfPitchAndFamily;
    CHAR lfFaceName[32];
} LOGFONTA;
typedef struct {
    UINT cbSize, style; WNDPROC lpfnWndProc; int cbClsExtra, cbWndExtra;
    HINSTANCE hInstance; HICON hIcon; HCURSOR hCursor; HBRUSH hbrBackground;
    LPCSTR lpszMenuName, lpszClassName; HICON hIconSm;
} WNDCLASSEXA;

#define LOWORD(w) ((WORD)((UINT_PTR)(w) & 0xFFFF))
#define MAKEINTRESOURCEA(i) ((LPSTR)(UINT_PTR)(WORD)(i))
#define INVALID_HANDLE_VALUE ((HANDLE)(intptr_t)-1)
#define FILE_ATTRIBUTE_NORMAL 0x80
#define WM_DESTROY 0x0002
#define WM_MOVE 0x0003
#define WM_ACTIVATE 0x0006
#define WM_SETFONT 0x0030
#define WM_QUERYENDSESSION 0x0011
#define WM_CONTEXTMENU 0x007B
#define WM_DISPLAYCHANGE 0x007E
#define WM_NCACTIVATE 0x0086
#define WM_KEYDOWN 0x0100
#define WM_COMMAND 0x0111
#define WM_SYSCOMMAND 0x0112
#define WM_TIMER 0x0113
#define WM_INITMENUPOPUP 0x0117
#define WM_MENUSELECT 0x011F
#define WA_INACTIVE 0
#define VK_SHIFT 0x10
#define VK_CONTROL 0x11
#define VK_RBUTTON 0x02
#define SC_SIZE 0xF000
#define SC_MOVE 0xF010
#define SC_MINIMIZE 0xF020
#define SC_MAXIMIZE 0xF030
#define SC_CLOSE 0xF060
#define SC_RESTORE 0xF120
#define MF_BYCOMMAND 0
#define MF_BYPOSITION 0x400
#define MF_STRING 0
#define MF_ENABLED 0
#define MF_GRAYED 1
#define MF_SEPARATOR 0x800
#define SM_CXSCREEN 0
#define SM_CYSCREEN 1
#define SWP_NOSIZE 1
#define SWP_NOZORDER 4
#define SW_SHOWNORMAL 1
#define SW_SHOWMINNOACTIVE 7
#define SPI_GETICONTITLELOGFONT 0x1F
#define DEFAULT_GUI_FONT 17
#define COLOR_BTNFACE 15
#define CS_VREDRAW 1
#define CS_HREDRAW 2
#define CS_OWNDC 0x20
#define WS_POPUP 0x80000000
#define WS_CHILD 0x40000000
#define WS_VISIBLE 0x10000000
#define WS_CLIPCHILDREN 0x02000000
#define WS_CAPTION 0x00C00000
#define WS_SYSMENU 0x00080000
#define WS_EX_TOPMOST 0x8
#define WS_EX_WINDOWEDGE 0x100
#define WS_EX_CLIENTEDGE 0x200
#define WS_EX_APPWINDOW 0x40000
#define BS_CENTER 0x300
#define BS_VCENTER 0xC00

// kernel32
DWORD GetTickCount();
DWORD GetModuleFileNameA(HMODULE, LPSTR, DWORD);
HANDLE CreateFileA(LPCSTR, DWORD, DWORD, void *, DWORD, DWORD, HANDLE);
BOOL ReadFile(HANDLE, LPVOID, DWORD, DWORD *, void *);
BOOL WriteFile(HANDLE, const void *, DWORD, DWORD *, void *);
BOOL CloseHandle(HANDLE);
HMODULE LoadLibraryA(LPCSTR);
FARPROC GetProcAddress(HMODULE, LPCSTR);
BOOL FreeLibrary(HMODULE);
// user32
int wsprintfA(LPSTR, LPCSTR, ...);
BOOL SetWindowTextA(HWND, LPCSTR);
BOOL EnableWindow(HWND, BOOL);
HWND SetFocus(HWND);
SHORT GetAsyncKeyState(int);
UINT_PTR SetTimer(HWND, UINT_PTR, UINT, TIMERPROC);
BOOL PostMessageA(HWND, UINT, WPARAM, LPARAM);
LRESULT SendMessageA(HWND, UINT, WPARAM, LPARAM);
LRESULT DefWindowProcA(HWND, UINT, WPARAM, LPARAM);
BOOL DestroyWindow(HWND);
void PostQuitMessage(int);
BOOL IsIconic(HWND);
BOOL GetWindowRect(HWND, RECT *);
int GetSystemMetrics(int);
BOOL SetWindowPos(HWND, HWND, int, int, int, int, UINT);
HMENU GetSystemMenu(HWND, BOOL);
BOOL RemoveMenu(HMENU, UINT, UINT);
BOOL InsertMenuA(HMENU, UINT, UINT, UINT_PTR, LPCSTR);
BOOL ModifyMenuA(HMENU, UINT, UINT, UINT_PTR, LPCSTR);
BOOL EnableMenuItem(HMENU, UINT, UINT);
HICON LoadIconA(HINSTANCE, LPCSTR);
WORD RegisterClassExA(const WNDCLASSEXA *);
BOOL SystemParametersInfoA(UINT, UINT, void *, UINT);
BOOL AdjustWindowRectEx(RECT *, DWORD, BOOL, DWORD);
HWND CreateWindowExA(DWORD, LPCSTR, LPCSTR, DWORD, int, int, int, int, HWND, HMENU, HINSTANCE, LPVOID);
BOOL ShowWindow(HWND, int);
BOOL GetMessageA(MSG *, HWND, UINT, UINT);
LRESULT DispatchMessageA(const MSG *);
// gdi32
HFONT CreateFontIndirectA(const LOGFONTA *);
HGDIOBJ GetStockObject(int);
int GetObjectA(HGDIOBJ, int, LPVOID);
BOOL DeleteObject(HGDIOBJ);
