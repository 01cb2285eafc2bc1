// The program calls Win32 through import pointers. A pointer defined here
// puts the test's function in the system's place: the linker takes this
// definition over the import library's. The rest of Win32 stays real.
// And the tests' main.
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#define DOCTEST_CONFIG_NO_MULTITHREADING
#include "platform.h"
#include <winternl.h>

Substitutes Sub;

#define REAL(dll, name) ((decltype(&name))(void *)GetProcAddress(GetModuleHandleA(dll), #name))

static DWORD WINAPI Tick() { return Sub.tick; }
static UINT_PTR WINAPI Timer(HWND window, UINT_PTR id, UINT period, TIMERPROC proc)
{
    Sub.timerPeriod = period, Sub.timers[id & 3] = proc;
    return REAL("user32", SetTimer)(window, id, period, proc);
}

// As Windows does with a short buffer: size - 1 characters, and size
// returned. Without a name set, the real one.
static DWORD WINAPI ModulePath(HMODULE module, LPWSTR path, DWORD size)
{
    if (!Sub.modulePath)
        return REAL("kernel32", GetModuleFileNameW)(module, path, size);
    lstrcpynW(path, Sub.modulePath, size);
    DWORD length = lstrlenW(Sub.modulePath);
    return length < size ? length : (SetLastError(ERROR_INSUFFICIENT_BUFFER), size);
}

static BOOL WINAPI Parameters(UINT action, UINT size, PVOID data, UINT flags)
{
    return !Sub.noIconTitleFont && REAL("user32", SystemParametersInfoW)(action, size, data, flags);
}

static int WINAPI ObjectInfo(HANDLE object, int size, LPVOID data)
{
    return Sub.noStockFont ? 0 : REAL("gdi32", GetObjectW)(object, size, data);
}

// The session notices: which window is registered for its own session's.
// Before Remote Desktop Services is ready, Windows refuses.
static BOOL WINAPI WatchOn(HWND window, DWORD flags)
{
    if (Sub.refusals && Sub.refusals--)
        return SetLastError(RPC_S_INVALID_BINDING), FALSE;
    Sub.sessionWindow = flags == NOTIFY_FOR_THIS_SESSION ? window : NULL;
    return TRUE;
}
static BOOL WINAPI WatchOff(HWND window)
{
    Sub.sessionWindow = window == Sub.sessionWindow ? NULL : Sub.sessionWindow;
    return TRUE;
}

// Elevation: a mutex that exists, and that this user may not open.
static HANDLE WINAPI Mutex(LPSECURITY_ATTRIBUTES security, BOOL owned, LPCSTR name)
{
    return Sub.mutexRefused ? SetLastError(ERROR_ACCESS_DENIED), HANDLE(NULL) : REAL("kernel32", CreateMutexA)(security, owned, name);
}

// A window of a process with elevation refuses the messages of one without
// it, until it lets them in (Wine has no such levels); a hung one never
// answers.
static LRESULT WINAPI SendTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT flags, UINT timeout,
                                  PDWORD_PTR result)
{
    if (window == Sub.hung || (Sub.refusals && Sub.refusals--))
        return SetLastError(window == Sub.hung ? ERROR_TIMEOUT : ERROR_ACCESS_DENIED), 0;
    return REAL("user32", SendMessageTimeoutA)(window, message, wParam, lParam, flags, timeout, result);
}

// What only the user could answer, or what Wine cannot show: the order of
// the calls, and the flags of a tracked menu.
static BOOL WINAPI NoIme(DWORD thread) { return Sub.calls += "ime|", REAL("imm32", ImmDisableIME)(thread); }
// A box: "minimized box|" where it would take the starter's show state.
// The user lets go of a held file and retries; otherwise cancels.
static int WINAPI Box(HWND, LPCSTR, LPCSTR, UINT)
{
    Sub.calls += Sub.launcherShow ? "minimized box|" : "box|";
    BOOL retry = CloseHandle(Sub.heldFile);  // FALSE without one
    Sub.heldFile = NULL;
    return retry ? IDRETRY : IDCANCEL;
}
static BOOL WINAPI Track(HMENU menu, UINT flags, int x, int y, int reserved, HWND window, const RECT *rect)
{
    return Sub.menuFlags = flags, REAL("user32", TrackPopupMenu)(menu, flags, x, y, reserved, window, rect);
}

// The DLL search: the calls, as "directory|" and "path flags|".
static BOOL WINAPI DllDirectory(LPCWSTR path)
{
    Sub.libraries += std::string(path, path + lstrlenW(path)) + "|";
    return TRUE;
}
static HMODULE WINAPI Library(LPCWSTR path, HANDLE file, DWORD flags)
{
    char text[MAX_PATH + 16];
    wsprintfA(text, "%ls %lx|", path, flags);
    Sub.libraries += text;
    return REAL("kernel32", LoadLibraryExW)(path, file, flags);
}

// Windows gives the first captioned, unowned top-level window a program
// shows the show state of its starter (a shortcut's Run: Minimized, start
// /max) in place of SW_SHOWNORMAL or SW_SHOW; any show of such a window
// spends it. Wine does neither.
static BOOL WINAPI Show(HWND window, int command)
{
    if (Sub.launcherShow && (GetWindowLongA(window, GWL_STYLE) & (WS_CAPTION | WS_CHILD)) == WS_CAPTION &&
        !GetWindow(window, GW_OWNER)) {
        command = command == SW_SHOWNORMAL || command == SW_SHOW ? Sub.launcherShow : command;
        Sub.launcherShow = 0;
    }
    return REAL("user32", ShowWindow)(window, command);
}

// The clipboard: what it was handed, and what memory was freed. Wine copies
// the data at once, so a use after free would not show.
static HANDLE WINAPI ClipboardData(UINT format, HANDLE data)
{
    return Sub.handed = data, REAL("user32", SetClipboardData)(format, data);
}
static HGLOBAL WINAPI Free(HGLOBAL memory) { return Sub.freed = memory, REAL("kernel32", GlobalFree)(memory); }

// Functions of later Windows versions, which the program looks up by name.
static const char *const Later[] = {"GetDpiForWindow", "AdjustWindowRectExForDpi", "SystemParametersInfoForDpi", "SetDefaultDllDirectories"};

extern "C" LONG NTAPI LdrGetProcedureAddress(HMODULE, const ANSI_STRING *, ULONG, void **);
static FARPROC WINAPI ProcAddress(HMODULE module, LPCSTR name)
{
    if (IS_INTRESOURCE(name))
        return NULL;  // the program asks by name only
    if (!lstrcmpA(name, "WTSRegisterSessionNotification"))
        return (FARPROC)(void *)WatchOn;
    if (!lstrcmpA(name, "WTSUnRegisterSessionNotification"))
        return (FARPROC)(void *)WatchOff;
    for (const char *later : Later)
        if (Sub.olderWindows && !lstrcmpA(name, later))
            return NULL;
    if (Sub.noIconTitleFont && !lstrcmpA(name, "SystemParametersInfoForDpi"))
        return NULL;  // the icon-title font fails at every DPI
    ANSI_STRING s = {(USHORT)lstrlenA(name), (USHORT)(lstrlenA(name) + 1), (PCHAR)name};
    void *address = NULL;
    LdrGetProcedureAddress(module, &s, 0, &address);
    return (FARPROC)address;
}

#ifdef _WIN64
#define IMPORT(name, bytes) asm("__imp_" #name)
#else
#define IMPORT(name, bytes) asm("__imp__" #name "@" #bytes)
#endif
void *ImportTick IMPORT(GetTickCount, 0) = (void *)Tick;
void *ImportTimer IMPORT(SetTimer, 16) = (void *)Timer;
void *ImportModulePath IMPORT(GetModuleFileNameW, 12) = (void *)ModulePath;
void *ImportParameters IMPORT(SystemParametersInfoW, 16) = (void *)Parameters;
void *ImportObjectInfo IMPORT(GetObjectW, 12) = (void *)ObjectInfo;
void *ImportProcAddress IMPORT(GetProcAddress, 8) = (void *)ProcAddress;
void *ImportMutex IMPORT(CreateMutexA, 12) = (void *)Mutex;
void *ImportDllDirectory IMPORT(SetDllDirectoryW, 4) = (void *)DllDirectory;
void *ImportLibrary IMPORT(LoadLibraryExW, 12) = (void *)Library;
void *ImportShow IMPORT(ShowWindow, 8) = (void *)Show;
void *ImportClipboardData IMPORT(SetClipboardData, 8) = (void *)ClipboardData;
void *ImportFree IMPORT(GlobalFree, 4) = (void *)Free;
void *ImportSendTimeout IMPORT(SendMessageTimeoutA, 28) = (void *)SendTimeout;
void *ImportNoIme IMPORT(ImmDisableIME, 4) = (void *)NoIme;
void *ImportBox IMPORT(MessageBoxA, 16) = (void *)Box;
void *ImportTrack IMPORT(TrackPopupMenu, 28) = (void *)Track;
