// Start-up: the window, its buttons and system menu, the resumed clock, and
// the message loop.
#include "shell.h"
#include <imm.h>
#include "../core/clock_state.h"
#include "../startup/startup.h"
#include "../res/resource.h"

static const char ClassName[] = "Vorlandine";

static_assert(sizeof(LOGFONTA) == 60, "LOGFONTA as user32 expects it");

// Sharp text on high-DPI screens; the function is missing before Vista.
static void AskForDpiAwareness()
{
    HMODULE user32 = LoadLibraryA("user32.dll");
    if (!user32)
        return;
    typedef BOOL(WINAPI * SetAwareFn)();
    SetAwareFn setAware = (SetAwareFn)(void *)GetProcAddress(user32, "SetProcessDPIAware");
    if (setAware)
        setAware();
    FreeLibrary(user32);
}

static void RegisterMainClass(HINSTANCE instance)
{
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_OWNDC;
    wc.lpfnWndProc = MainWndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_CLOCK));
    wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    wc.lpszClassName = ClassName;
    RegisterClassExA(&wc);
}

// The icon-title font, or the stock GUI font; NULL when neither can be
// described. *unit is the height every size is made from.
static HFONT PickFont(LONG *unit)
{
    LOGFONTA lf;
    if (SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof lf, &lf, 0)) {
        HFONT font = CreateFontIndirectA(&lf);
        if (font) {
            *unit = lf.lfHeight >= 0 ? lf.lfHeight : 2 - lf.lfHeight;
            return font;
        }
    }
    HFONT font = (HFONT)GetStockObject(DEFAULT_GUI_FONT);
    if (!GetObjectA(font, sizeof lf, &lf)) {
        DeleteObject(font);
        return NULL;
    }
    *unit = lf.lfHeight >= 0 ? lf.lfHeight : -lf.lfHeight;
    return font;
}

static HWND CreateMainWindow(HINSTANCE instance, LONG width, LONG height)
{
    RECT r = {0, 0, width, height};
    // Only the styles that shape the frame.
    AdjustWindowRectEx(&r, WS_POPUP | WS_CAPTION | WS_SYSMENU, FALSE,
                       WS_EX_APPWINDOW | WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE);
    return CreateWindowExA(WS_EX_TOPMOST | WS_EX_APPWINDOW | WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE,
                           ClassName,
                           NULL,  // the first caption refresh sets the title
                           WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                           Clock.WindowRect.left, Clock.WindowRect.top,
                           r.right - r.left, r.bottom - r.top,
                           NULL, NULL, instance, NULL);
}

static HWND CreateButton(HINSTANCE instance, int id, LPCSTR text, LONG x, LONG width, LONG height)
{
    HWND button = CreateWindowExA(0, "BUTTON", text,
                                  WS_CHILD | WS_VISIBLE | BS_CENTER | BS_VCENTER,
                                  x, 0, width, height, Clock.MainWindow,
                                  (HMENU)(UINT_PTR)id, instance, NULL);
    SendMessageA(button, WM_SETFONT, (WPARAM)Clock.CaptionFont, FALSE);
    return button;
}

// A string item of the system menu, placed by position.
static void AddMenuItem(HMENU menu, UINT position, UINT_PTR id, LPCSTR text)
{
    InsertMenuA(menu, position, MF_BYPOSITION | MF_STRING, id, text);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int)
{
    AskForDpiAwareness();
    RegisterMainClass(instance);
    LoadSettings();
    ApplySwitches(arguments);

    LONG h;
    Clock.CaptionFont = PickFont(&h);
    if (!Clock.CaptionFont)
        return 0;
    ImmDisableIME((DWORD)-1);  // keys must arrive as keys, for every thread

    LONG bw = 5 * h + 4, bh = h + 10;
    HWND main = CreateMainWindow(instance, 2 * bw, bh);
    if (!main) {
        DeleteObject(Clock.CaptionFont);
        return 0;
    }
    Clock.MainWindow = main;  // only now: WM_MOVE during creation tests it
    // Files we write hold 0 or 6; any other value would hide or maximize.
    ShowWindow(main, Clock.ShowState == ShowMinimized ? SW_SHOWMINNOACTIVE : SW_SHOWNORMAL);

    // Restore, Move, Minimize, separator, Reset, arm, separator, Close.
    HMENU menu = GetSystemMenu(main, FALSE);
    RemoveMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
    RemoveMenu(menu, SC_SIZE, MF_BYCOMMAND);
    InsertMenuA(menu, 3, MF_BYPOSITION | MF_SEPARATOR, IDM_SEPARATOR, NULL);
    AddMenuItem(menu, 4, IDM_RESET, Labels[LabelReset]);
    Clock.StartStopButton = CreateButton(instance, IDC_START_STOP, Labels[LabelStart], 0, bw, bh);
    AddMenuItem(menu, 5, IDM_ARM, Labels[LabelArmStart]);
    Clock.LapButton = CreateButton(instance, IDC_LAP, Labels[LabelLap], bw, bw, bh);

    RefreshCaption(NULL, 0, 0, Clock.BaseTick);  // at BaseTick: the loaded value
    // The posted toggle, handled first, makes a clock that was counting count
    // on and stops any other. The tick is read only now, so that neither the
    // time while the program was closed nor the building of the window is
    // counted into a stopped clock.
    Clock.BaseTick = GetTickCount();
    Clock.RunState ^= 1;
    PostMessageA(main, WM_COMMAND, IDC_START_STOP, 0);

    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0))
        DispatchMessageA(&msg);  // no TranslateMessage: keys stay WM_KEYDOWN
    DeleteObject(Clock.CaptionFont);
    return 0;
}
