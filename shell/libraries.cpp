// DLLs from the system folder only: the program's own folder may be a
// Downloads folder full of anything, and Windows looks there first for a
// DLL loaded by name.
#include "shell.h"
#include <wtsapi32.h>
#include "../core/clock_state.h"

// name from the system folder, by its full path; the DLLs it needs in turn
// are looked for there first as well.
HMODULE SystemLibrary(LPCWSTR name)
{
    WCHAR path[MAX_PATH];
    UINT n = GetSystemDirectoryW(path, MAX_PATH - 16);
    if (!n || n >= MAX_PATH - 16)
        return NULL;
    path[n++] = '\\';
    while ((path[n++] = *name++)) {
    }
    return LoadLibraryExW(path, NULL, LOAD_WITH_ALTERED_SEARCH_PATH);
}

// Before anything loads a DLL. SetDefaultDllDirectories (Windows 8, and 7
// with update KB2533623) takes the program's folder out of every search.
// Before it, SetDllDirectory("") takes out only the current folder: the
// program's stays first, so the DLLs that Windows loads by name for the
// window (the buttons' theme, and the one it needs for the frame) are
// loaded first by full path, and are then found loaded.
void GuardDllSearch()
{
    auto systemOnly = (BOOL(WINAPI *)(DWORD))(void *)GetProcAddress(
        GetModuleHandleA("kernel32"), "SetDefaultDllDirectories");
    if (systemOnly && systemOnly(LOAD_LIBRARY_SEARCH_SYSTEM32))
        return;
    SetDllDirectoryW(L"");
    SystemLibrary(L"uxtheme.dll");
    SystemLibrary(L"dwmapi.dll");
}

static void CALLBACK WatchAgain(HWND window, UINT, UINT_PTR id, DWORD);

// The notices of the program's own session, so that locking the screen
// counts for the away timing. wtsapi32 is loaded at run time: as an import,
// Windows would look for it before the guard above, in the program's folder
// first. Without it, or without its functions, the clock works as before.
// Asked for before Remote Desktop Services is ready (a clock started with
// Windows), the notices are refused: they are asked for again every
// WATCH_RETRY ms until they are given.
// One copy for both calls, never inlined at each.
__attribute__((noinline)) void WatchSessions(BOOL watch)
{
    HMODULE wts = SystemLibrary(L"wtsapi32.dll");
    if (!wts)
        return;
    if (watch) {
        auto on = (decltype(&WTSRegisterSessionNotification))(void *)GetProcAddress(wts, "WTSRegisterSessionNotification");
        if (on && !on(Clock.MainWindow, NOTIFY_FOR_THIS_SESSION))
            SetTimer(Clock.MainWindow, TIMER_WATCH, WATCH_RETRY, WatchAgain);
    } else {
        auto off = (decltype(&WTSUnRegisterSessionNotification))(void *)GetProcAddress(wts, "WTSUnRegisterSessionNotification");
        if (off)
            off(Clock.MainWindow);
    }
}

// The timer of a refused WatchSessions: once given, the notices need it no more.
static void CALLBACK WatchAgain(HWND window, UINT, UINT_PTR id, DWORD)
{
    KillTimer(window, id);
    WatchSessions(TRUE);
}
