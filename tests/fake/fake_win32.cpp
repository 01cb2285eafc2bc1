// The fake platform: just enough of kernel32, user32, gdi32 and imm32 for
// the program's sources, with files that are real files.
#include "fake.h"
#include "imm.h"
#include <fcntl.h>
#include <stdarg.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fake {
DWORD tick;
SHORT keys[256];
const char *modulePath;
int screenWidth, screenHeight;
bool iconic;
LONG iconTitleHeight;
bool fontCreates;
LONG stockHeight;
Window windows[8];
int windowCount;
HWND focus;
Timer timer;
MSG queue[16];
int queued;
bool quit;
MenuItem menu[16];
int menuItems;
RECT adjusted;
int shown;
HGDIOBJ deleted;
DWORD imeDisabled;
bool dpiAware;
UINT defaultMessage;
WNDPROC classProc;

// Up to four files open at once; a handle is its slot + 1.
static char openPaths[4][300];
static int openFds[4];

void Reset()
{
    tick = 0;
    memset(keys, 0, sizeof keys);
    modulePath = "C:\\tool.exe";
    screenWidth = 1024, screenHeight = 768;
    iconic = false;
    iconTitleHeight = -12, fontCreates = true, stockHeight = 11;
    memset(windows, 0, sizeof windows);
    windowCount = 0;
    focus = NULL;
    timer = Timer();
    queued = 0;
    quit = false;
    menuItems = 0;
    adjusted = RECT();
    shown = 0;
    deleted = NULL;
    imeDisabled = 0;
    dpiAware = false;
    defaultMessage = 0;
    classProc = NULL;
    for (int i = 0; i < 4; i++)
        if (openPaths[i][0])
            close(openFds[i]), openPaths[i][0] = 0;
}

HWND NewWindow(HWND parent, UINT_PTR id)
{
    Window &w = windows[windowCount++];
    w = Window();
    w.parent = parent;
    w.id = id;
    w.enabled = true;
    return (HWND)(intptr_t)windowCount;
}

Window &Of(HWND window)
{
    return windows[(intptr_t)window - 1];
}

HANDLE HoldFile(const char *path)
{
    return CreateFileA(path, 0x80000000u, 0, NULL, 3, FILE_ATTRIBUTE_NORMAL, NULL);
}
}  // namespace fake

using namespace fake;

// kernel32 ---------------------------------------------------------------

DWORD GetTickCount() { return tick; }

DWORD GetModuleFileNameA(HMODULE, LPSTR buffer, DWORD size)
{
    DWORD n = strlen(modulePath);
    if (n >= size) {  // cut off, as Windows does, and say so by returning size
        memcpy(buffer, modulePath, size - 1);
        buffer[size - 1] = 0;
        return size;
    }
    memcpy(buffer, modulePath, n + 1);
    return n;
}

// Share mode 0 on both sides: a file already open cannot be opened again.
// A read-only file cannot be opened for writing, even by root.
HANDLE CreateFileA(LPCSTR path, DWORD access, DWORD, void *, DWORD disposition, DWORD, HANDLE)
{
    int slot = -1;
    for (int i = 0; i < 4; i++) {
        if (openPaths[i][0] && strcmp(openPaths[i], path) == 0)
            return INVALID_HANDLE_VALUE;
        if (!openPaths[i][0])
            slot = i;
    }
    struct stat st;
    bool writing = access == 0x40000000u;
    if (writing && stat(path, &st) == 0 && !(st.st_mode & S_IWUSR))
        return INVALID_HANDLE_VALUE;
    int flags = writing ? O_WRONLY : O_RDONLY;
    if (disposition == 4)
        flags |= O_CREAT;
    int fd = open(path, flags, 0644);
    if (fd < 0 || slot < 0)
        return INVALID_HANDLE_VALUE;
    strncpy(openPaths[slot], path, sizeof openPaths[slot] - 1);
    openFds[slot] = fd;
    return (HANDLE)(intptr_t)(slot + 1);
}

BOOL ReadFile(HANDLE file, LPVOID data, DWORD size, DWORD *done, void *)
{
    *done = read(openFds[(intptr_t)file - 1], data, size);
    return TRUE;
}

BOOL WriteFile(HANDLE file, const void *data, DWORD size, DWORD *done, void *)
{
    *done = write(openFds[(intptr_t)file - 1], data, size);
    return TRUE;
}

BOOL CloseHandle(HANDLE file)
{
    int slot = (intptr_t)file - 1;
    close(openFds[slot]);
    openPaths[slot][0] = 0;
    return TRUE;
}

static INT_PTR SetProcessDPIAware() { return dpiAware = true; }
HMODULE LoadLibraryA(LPCSTR) { return (HMODULE)1; }
FARPROC GetProcAddress(HMODULE, LPCSTR name)
{
    return strcmp(name, "SetProcessDPIAware") == 0 ? SetProcessDPIAware : NULL;
}
BOOL FreeLibrary(HMODULE) { return TRUE; }

// user32 -----------------------------------------------------------------

// %d with optional 0 flag and width, as user32 formats it.
int wsprintfA(LPSTR out, LPCSTR format, ...)
{
    va_list args;
    va_start(args, format);
    char *o = out;
    for (const char *f = format; *f; f++) {
        if (*f != '%') {
            *o++ = *f;
            continue;
        }
        char pad = *++f == '0' ? (f++, '0') : ' ';
        int width = 0;
        while (*f >= '0' && *f <= '9')
            width = width * 10 + *f++ - '0';
        int v = va_arg(args, int);
        char digits[12];
        int n = 0;
        unsigned u = v < 0 ? 0u - v : v;
        do
            digits[n++] = '0' + u % 10;
        while (u /= 10);
        if (v < 0)
            digits[n++] = '-';
        while (width-- > n)
            *o++ = pad;
        while (n)
            *o++ = digits[--n];
    }
    *o = 0;
    va_end(args);
    return o - out;
}

BOOL SetWindowTextA(HWND w, LPCSTR text)
{
    strncpy(Of(w).text, text, sizeof Of(w).text - 1);
    return TRUE;
}

BOOL EnableWindow(HWND w, BOOL enable)
{
    Of(w).enabled = enable != 0;
    return TRUE;
}

HWND SetFocus(HWND w) { return focus = w; }
SHORT GetAsyncKeyState(int key) { return keys[key & 255]; }

UINT_PTR SetTimer(HWND w, UINT_PTR id, UINT period, TIMERPROC proc)
{
    timer = {w, id, period, proc};
    return id;
}

BOOL PostMessageA(HWND w, UINT message, WPARAM wParam, LPARAM lParam)
{
    queue[queued++] = {w, message, wParam, lParam, tick, {0, 0}};
    return TRUE;
}

BOOL GetMessageA(MSG *msg, HWND, UINT, UINT)
{
    if (quit || queued == 0)
        return FALSE;
    *msg = queue[0];
    memmove(queue, queue + 1, --queued * sizeof *queue);
    return TRUE;
}

LRESULT DispatchMessageA(const MSG *m) { return classProc(m->hwnd, m->message, m->wParam, m->lParam); }

LRESULT SendMessageA(HWND w, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_SETFONT)
        Of(w).font = (HFONT)wParam;
    return 0;
}

LRESULT DefWindowProcA(HWND, UINT message, WPARAM, LPARAM)
{
    defaultMessage = message;
    return DefaultResult;
}

BOOL DestroyWindow(HWND w)
{
    classProc(w, WM_DESTROY, 0, 0);
    return TRUE;
}

void PostQuitMessage(int) { quit = true; }
BOOL IsIconic(HWND) { return iconic; }

BOOL GetWindowRect(HWND w, RECT *r)
{
    *r = Of(w).rect;
    return TRUE;
}

int GetSystemMetrics(int which) { return which == SM_CXSCREEN ? screenWidth : screenHeight; }

BOOL SetWindowPos(HWND w, HWND, int x, int y, int, int, UINT)
{
    RECT &r = Of(w).rect;
    r = {x, y, x + r.right - r.left, y + r.bottom - r.top};
    return TRUE;
}

static MenuItem *FindItem(UINT id)
{
    for (int i = 0; i < menuItems; i++)
        if (menu[i].id == id)
            return &menu[i];
    return NULL;
}

HMENU GetSystemMenu(HWND, BOOL)
{
    static const MenuItem standard[] = {
        {SC_RESTORE, 0, "Restore"}, {SC_MOVE, 0, "Move"}, {SC_SIZE, 0, "Size"},
        {SC_MINIMIZE, 0, "Minimize"}, {SC_MAXIMIZE, 0, "Maximize"},
        {0, MF_SEPARATOR, ""}, {SC_CLOSE, 0, "Close"},
    };
    if (menuItems == 0)
        memcpy(menu, standard, sizeof standard), menuItems = 7;
    return (HMENU)1;
}

BOOL RemoveMenu(HMENU, UINT id, UINT)
{
    MenuItem *item = FindItem(id);
    if (!item)
        return FALSE;
    memmove(item, item + 1, (menu + --menuItems - item) * sizeof *item);
    return TRUE;
}

BOOL InsertMenuA(HMENU, UINT position, UINT flags, UINT_PTR id, LPCSTR text)
{
    memmove(menu + position + 1, menu + position, (menuItems++ - position) * sizeof *menu);
    menu[position] = {id, flags & ~MF_BYPOSITION, ""};
    if (text)
        strncpy(menu[position].text, text, sizeof menu->text - 1);
    return TRUE;
}

BOOL ModifyMenuA(HMENU, UINT id, UINT flags, UINT_PTR newId, LPCSTR text)
{
    MenuItem *item = FindItem(id);
    *item = {newId, flags, ""};
    strncpy(item->text, text, sizeof item->text - 1);
    return TRUE;
}

BOOL EnableMenuItem(HMENU, UINT id, UINT flags)
{
    MenuItem *item = FindItem(id);
    item->flags = (item->flags & ~MF_GRAYED) | (flags & MF_GRAYED);
    return TRUE;
}

HICON LoadIconA(HINSTANCE, LPCSTR) { return (HICON)1; }

WORD RegisterClassExA(const WNDCLASSEXA *c)
{
    classProc = c->lpfnWndProc;
    return 1;
}

BOOL SystemParametersInfoA(UINT, UINT, void *data, UINT)
{
    ((LOGFONTA *)data)->lfHeight = iconTitleHeight;
    return iconTitleHeight != 0;
}

// A frame of 3 pixels and a caption of 20.
BOOL AdjustWindowRectEx(RECT *r, DWORD, BOOL, DWORD)
{
    adjusted = *r;
    *r = {r->left - 3, r->top - 23, r->right + 3, r->bottom + 3};
    return TRUE;
}

HWND CreateWindowExA(DWORD, LPCSTR, LPCSTR, DWORD, int x, int y, int cx, int cy,
                     HWND parent, HMENU id, HINSTANCE, LPVOID)
{
    HWND w = NewWindow(parent, (UINT_PTR)id);
    tick += 40;  // creation takes time, as it does under Wine
    Of(w).rect = {x, y, x + cx, y + cy};
    return w;
}

BOOL ShowWindow(HWND, int command)
{
    shown = command;
    iconic = command == SW_SHOWMINNOACTIVE;
    return FALSE;
}

// gdi32 and imm32 ----------------------------------------------------------

HFONT CreateFontIndirectA(const LOGFONTA *) { return fontCreates ? (HFONT)1 : NULL; }
HGDIOBJ GetStockObject(int) { return (HGDIOBJ)2; }

int GetObjectA(HGDIOBJ, int size, LPVOID data)
{
    ((LOGFONTA *)data)->lfHeight = stockHeight;
    return stockHeight ? size : 0;
}

BOOL DeleteObject(HGDIOBJ object)
{
    deleted = object;
    return TRUE;
}

BOOL ImmDisableIME(DWORD thread)
{
    imeDisabled = thread;
    return TRUE;
}
