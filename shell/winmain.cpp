// Start-up: the window, its buttons and system menu, the resumed clock, and
// the message loop.
#include "shell.h"
#include "../core/clock_state.h"
#include "../startup/startup.h"
#include "../res/resource.h"

const char ClassName[] = "Vorlandine";

// imm.h declares it without dllimport: called through the import table, as
// every other system function is, rather than through a stub.
extern "C" __declspec(dllimport) BOOL WINAPI ImmDisableIME(DWORD thread);

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

static HWND CreateMainWindow(HINSTANCE instance, const RECT &frame)
{
    return CreateWindowExA(WS_EX_TOPMOST | WS_EX_APPWINDOW | WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE,
                           ClassName,
                           NULL,  // the first caption refresh sets the title
                           WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                           Clock.WindowRect.left, Clock.WindowRect.top,
                           frame.right - frame.left, frame.bottom - frame.top,
                           NULL, NULL, instance, NULL);
}

// LayOut gives it its place, size and font.
static HWND CreateButton(HWND parent, HINSTANCE instance, int id, LPCSTR text)
{
    return CreateWindowExA(0, "BUTTON", text, WS_CHILD | WS_VISIBLE | BS_CENTER | BS_VCENTER,
                           0, 0, 0, 0, parent, (HMENU)(UINT_PTR)id, instance, NULL);
}

// A string item of the system menu, placed by position.
static void AddMenuItem(HMENU menu, UINT position, UINT_PTR id, LPCSTR text)
{
    InsertMenuA(menu, position, MF_BYPOSITION | MF_STRING, id, text);
}

// The start-up toggle, once: a clock that was counting counts on, and any
// other stops. The tick is read only now, so that neither the time while
// the program was closed nor the building of the window is counted into a
// stopped clock. WinMain posts it; a later start's switches, or the end of
// the window, that come before it bring it forward, so that they act on
// the clock as it is to be.
LRESULT Resume()
{
    if (!Clock.Resumed) {
        Clock.Resumed = TRUE;
        Clock.BaseTick = GetTickCount();
        Clock.RunState ^= 1;
        StartStop(0);
    }
    return 0;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int show)
{
    // Keys must arrive as keys, for every thread: off before the first
    // window, which may be a box about the settings file or the hand-over.
    ImmDisableIME((DWORD)-1);
    if (HandedOver(arguments))
        return 0;
    RegisterMainClass(instance);
    HANDLE reading = MarkReading();
    BOOL loaded = LoadSettings();
    CloseHandle(reading);
    if (!loaded)
        return 0;
    // The switches over the file, and both over the starter's show state:
    // /N shows the window normal; /M, or a file saved minimized, shows it
    // minimized without taking the activation. Files we write hold 0 or 6;
    // SW_SHOWDEFAULT and above are no state to show a window in.
    if ((UINT)show >= SW_SHOWDEFAULT)
        show = SW_SHOWNORMAL;
    LONG saved = Clock.ShowState;
    Clock.ShowState = -1;  // so that a switch that sets it shows
    ApplySwitches(arguments, SetSwitch);
    if (Clock.ShowState == ShowNormal)
        show = SW_SHOWNORMAL;
    if (Clock.ShowState < 0)
        Clock.ShowState = saved;
    if (Clock.ShowState == ShowMinimized)
        show = SW_SHOWMINNOACTIVE;

    // Sized first at the system's DPI, then at that of the monitor the
    // window opens on, which Windows knows only once the window exists.
    Layout l;
    if (!Measure(0, &l))
        return 0;
    Clock.CaptionFont = l.font;

    HWND main = CreateMainWindow(instance, l.frame);
    if (!main) {
        DeleteObject(Clock.CaptionFont);
        return 0;
    }
    AcceptHandOvers(main);  // a later start may find the window from now
    Clock.StartStopButton = CreateButton(main, instance, IDC_START_STOP, Labels[LabelStart]);
    Clock.LapButton = CreateButton(main, instance, IDC_LAP, Labels[LabelLap]);
    LayOut(main, WindowDpi(main), NULL);
    Clock.MainWindow = main;  // only now: WM_MOVE during creation tests it
    WatchSessions(TRUE);
    // The first show spends what Windows keeps of the starter's show state
    // for the first window shown, where no box has (AskUser), so that the
    // second is taken as it stands.
    ShowWindow(main, SW_HIDE);
    ShowWindow(main, show);

    // Restore, Move, Minimize, separator, Reset, arm, separator, Close.
    HMENU menu = GetSystemMenu(main, FALSE);
    RemoveMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
    RemoveMenu(menu, SC_SIZE, MF_BYCOMMAND);
    InsertMenuA(menu, 3, MF_BYPOSITION | MF_SEPARATOR, IDM_SEPARATOR, NULL);
    AddMenuItem(menu, 4, IDM_RESET, Labels[LabelReset]);
    AddMenuItem(menu, 5, IDM_ARM, Labels[LabelArmStart]);

    RefreshCaption(NULL, 0, 0, Clock.BaseTick);  // at BaseTick: the loaded value
    PostMessageA(main, WM_RESUME, 0, 0);  // handled before any input

    // No TranslateMessage: keys stay WM_KEYDOWN. Every key goes to the
    // window, wherever the focus is inside it: a press on a button that
    // slid off it before the release leaves the focus on the button.
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0)) {
        if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST)
            msg.hwnd = main;
        DispatchMessageA(&msg);
    }
    DeleteObject(Clock.CaptionFont);
    return 0;
}
