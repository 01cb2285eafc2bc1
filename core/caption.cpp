// The caption is the clock's only display: h:mm:ss while counting, with
// hundredths while stopped or holding a lap. The colon is the full-width one
// of code page 932, the two bytes 0x81 0x46.
#include "clock_state.h"

static const char RunningFormat[] = "%3d\x81\x46%02d\x81\x46%02d";
static const char FullFormat[]    = "%3d\x81\x46%02d\x81\x46%02d.%02d";
static const char CopyFormat[]    = "%d:%02d:%02d.%02d";  // for other programs

// value, in hundredths, as h, mm, ss and hundredths in format.
static void FormatFull(LPSTR out, LPCSTR format, DWORD value)
{
    DWORD r = value % 360000;
    wsprintfA(out, format, (int)(value / 360000), (int)(r / 100 / 60), (int)(r / 100 % 60), (int)(r % 100));
}

// The window shows U+FF1A for the colon on every code page: the caption is
// ASCII apart from the pair 0x81 0x46, so it needs no code page table. It
// goes in through the default procedure's Unicode entry, because
// SetWindowTextW would hand it to this ANSI window in the ANSI code page.
static void ShowCaption()
{
    WCHAR text[CAPTION_SIZE];
    WCHAR *out = text;
    for (const char *in = Clock.CaptionBuffer; *in; in++)
        *out++ = *in == '\x81' ? (in++, 0xFF1A) : *in;
    *out = 0;
    DefWindowProcW(Clock.MainWindow, WM_SETTEXT, 0, (LPARAM)text);
}

// The timer procedure too; window and id are not used: the caption always
// goes to the main window. The timer of a stopped clock is parked, not
// killed, and still fires after 24.9 days: a stopped caption stays as it is.
void CALLBACK RefreshCaption(HWND, UINT message, UINT_PTR, DWORD tick)
{
    if (message == WM_TIMER && Clock.RunState == Stopped)
        return;
    if (Clock.RunState) {
        // Wake when the second shown turns over (at x.995 s, as the caption
        // rounds), not a fixed second after whenever the clock started.
        SetTimer(Clock.MainWindow, TIMER_ID, 1000 - (ElapsedMs(tick) + 5) % 1000, RefreshCaption);
        if (tick - Clock.SavedTick >= SAVE_EVERY)
            SaveClock(tick, FALSE);
    }
    DWORD value;
    bool marker = false;
    if (Clock.RunState < 0) {
        // A held lap blinks: the marker alternates with the previous caption.
        value = Clock.LapCs;
        marker = Clock.CaptionBuffer[2] != '-';
    } else {
        value = ElapsedCs(tick);
        if (Clock.RunState > 0) {
            DWORD s = value / 100;
            wsprintfA(Clock.CaptionBuffer, RunningFormat,
                      (int)(s / 3600), (int)(s % 3600 / 60), (int)(s % 60));
            ShowCaption();
            return;
        }
        Clock.LapCs = value;  // Lap relies on this to capture the lap time
    }
    FormatFull(Clock.CaptionBuffer, FullFormat, value);
    if (marker)
        Clock.CaptionBuffer[2] = '-';
    ShowCaption();
}

// Ctrl+C: the time at this moment, in the full format with plain colons and
// no leading spaces, as Unicode text that a timesheet or a chat takes: the
// elapsed time, or the lap while one is held. A clipboard that another
// program holds open takes nothing.
void CopyTime()
{
    char text[CAPTION_SIZE];
    FormatFull(text, CopyFormat, Clock.RunState < 0 ? Clock.LapCs
                                 : ElapsedCs(Clock.RunState ? GetTickCount() : Clock.BaseTick));
    if (!OpenClipboard(Clock.MainWindow))
        return;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof(WCHAR) * CAPTION_SIZE);
    if (memory) {
        WCHAR *out = (WCHAR *)GlobalLock(memory);
        for (int i = 0; (out[i] = text[i]); i++) {
        }
        GlobalUnlock(memory);
        if (!SetClipboardData(CF_UNICODETEXT, memory))
            GlobalFree(memory);
    }
    CloseClipboard();
}
