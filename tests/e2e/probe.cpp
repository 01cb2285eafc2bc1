// The end-to-end tests' eyes inside Wine: what the clock's window shows, as
// shell assignments: its text (the Unicode caption, the full-width colon as
// ':'), its edges, whether it is minimized and in the foreground, and how
// many clock windows there are.
#include <windows.h>
#include <stdio.h>

int main()
{
    HWND clock = FindWindowA("Vorlandine", NULL);
    WCHAR text[32];
    RECT r = {};
    printf("text='");
    for (int i = 0, n = GetWindowTextW(clock, text, 32); i < n; i++)
        putchar(text[i] == 0xFF1A ? ':' : text[i] < 0x80 && text[i] != '\'' ? text[i] : '?');
    GetWindowRect(clock, &r);
    int count = 0;
    for (HWND w = NULL; (w = FindWindowExA(NULL, w, "Vorlandine", NULL));)
        count++;
    printf("'\nleft=%ld top=%ld right=%ld bottom=%ld iconic=%d foreground=%d count=%d\n", r.left, r.top,
           r.right, r.bottom, IsIconic(clock) != 0, clock && GetForegroundWindow() == clock, count);
    return clock ? 0 : 1;
}
