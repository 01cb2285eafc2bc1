// The window's font and sizes at the DPI of the monitor it is on: sharp on
// every monitor of a mixed-DPI desktop. The manifest asks for per-monitor
// awareness only in its second version (Windows 10 1703 on), where Windows
// scales the frame and the functions below exist; earlier Windows make the
// program system aware (Vista to 8, "true"; 8.1 to 10 1511, which read only
// that; 10 1607, which knows no "PerMonitorV2" and takes the "System" after
// it), and scale its window on a monitor of another DPI themselves.
#include "shell.h"
#include "../core/clock_state.h"

// One copy of the look-up serves every name, never inlined at each.
__attribute__((noinline)) FARPROC User32Function(LPCSTR name)
{
    return GetProcAddress(GetModuleHandleA("user32"), name);
}

BOOL PerMonitorAware(HWND window)
{
    auto context = LATER(GetWindowDpiAwarenessContext);
    auto awareness = LATER(GetAwarenessFromDpiAwarenessContext);
    return context && awareness && awareness(context(window)) == DPI_AWARENESS_PER_MONITOR_AWARE;
}

UINT WindowDpi(HWND window)
{
    auto dpi = LATER(GetDpiForWindow);
    return dpi ? dpi(window) : 0;
}

// The icon-title font at dpi (0: the system's), or the stock GUI font, and
// the sizes made from its height h: buttons of 5h + 4 by h + 10, and the
// window's outer frame around the two. FALSE when no font can be described.
// The per-DPI call exists only in the wide form, so all of them are wide.
BOOL Measure(UINT dpi, Layout *l)
{
    LOGFONTW lf;
    LONG h;
    auto atDpi = LATER(SystemParametersInfoForDpi);
    l->font = NULL;
    if (atDpi && dpi ? atDpi(SPI_GETICONTITLELOGFONT, sizeof lf, &lf, 0, dpi)
                     : SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof lf, &lf, 0))
        l->font = CreateFontIndirectW(&lf);
    if (l->font) {
        h = lf.lfHeight >= 0 ? lf.lfHeight : 2 - lf.lfHeight;
    } else {
        l->font = (HFONT)GetStockObject(DEFAULT_GUI_FONT);
        if (!GetObjectW(l->font, sizeof lf, &lf)) {
            DeleteObject(l->font);
            return FALSE;
        }
        h = lf.lfHeight >= 0 ? lf.lfHeight : -lf.lfHeight;
    }
    l->buttonWidth = 5 * h + 4, l->buttonHeight = h + 10;
    l->frame = {0, 0, 2 * l->buttonWidth, l->buttonHeight};
    // Only the styles that shape the frame.
    auto adjustAtDpi = LATER(AdjustWindowRectExForDpi);
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    const DWORD exStyle = WS_EX_APPWINDOW | WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE;
    if (adjustAtDpi && dpi)
        adjustAtDpi(&l->frame, style, FALSE, exStyle, dpi);
    else
        AdjustWindowRectEx(&l->frame, style, FALSE, exStyle);
    return TRUE;
}

static void PlaceButton(HWND button, LONG x, const Layout &l)
{
    MoveWindow(button, x, 0, l.buttonWidth, l.buttonHeight, TRUE);
    SendMessageA(button, WM_SETFONT, (WPARAM)l.font, TRUE);
}

// The font and sizes at dpi for the window and its buttons: the window at
// the place *suggested, or where it is, in the size its buttons need (the
// size WM_GETDPISCALEDSIZE told Windows, which it suggests); then the old
// font goes. With no font to be had, everything stays as it is.
void LayOut(HWND window, UINT dpi, const RECT *suggested)
{
    Layout l;
    if (!Measure(dpi, &l))
        return;
    HFONT old = Clock.CaptionFont;
    Clock.CaptionFont = l.font;
    const RECT &at = suggested ? *suggested : l.frame;
    SetWindowPos(window, NULL, at.left, at.top, l.frame.right - l.frame.left, l.frame.bottom - l.frame.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | (suggested ? 0 : SWP_NOMOVE));
    PlaceButton(Clock.StartStopButton, 0, l);
    PlaceButton(Clock.LapButton, l.buttonWidth, l);
    DeleteObject(old);
}
