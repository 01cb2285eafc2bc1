// The end-to-end tests' eyes inside Wine: what the clock's window shows, as
// shell assignments: its text (the Unicode caption, the full-width colon as
// ':'), its edges, whether it is minimized and in the foreground, how many
// clock windows there are, whether a menu is open and a message box of the
// clock's is up, and the text on the clipboard. With a file and a time in
// ms, it holds the file that long instead, sharing nothing, as a backup
// program does, and says "held" once it holds it. With "send", a message
// and its wParam, it sends that to the clock as the system would and prints
// the answer.
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char **argv)
{
    HWND clock = FindWindowA("Vorlandine", NULL);
    if (argc > 3)
        return printf("answer=%ld\n", (long)SendMessageA(clock, atoi(argv[2]), atoi(argv[3]), 0)) < 0;
    if (argc > 2) {
        if (CreateFileA(argv[1], GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL) != INVALID_HANDLE_VALUE)
            printf("held\n"), fflush(stdout);
        Sleep(atoi(argv[2]));
        return 0;
    }
    WCHAR text[32];
    RECT r = {};
    printf("text='");
    for (int i = 0, n = GetWindowTextW(clock, text, 32); i < n; i++)
        putchar(text[i] == 0xFF1A ? ':' : text[i] < 0x80 && text[i] != '\'' ? text[i] : '?');
    GetWindowRect(clock, &r);
    int count = 0;
    for (HWND w = NULL; (w = FindWindowExA(NULL, w, "Vorlandine", NULL));)
        count++;
    printf("'\nleft=%ld top=%ld right=%ld bottom=%ld iconic=%d foreground=%d count=%d menu=%d box=%d\n", r.left,
           r.top, r.right, r.bottom, IsIconic(clock) != 0, clock && GetForegroundWindow() == clock, count,
           IsWindowVisible(FindWindowA("#32768", NULL)), FindWindowA("#32770", "Vorlandine") != NULL);
    printf("copied='");
    if (OpenClipboard(NULL)) {
        HANDLE data = GetClipboardData(CF_UNICODETEXT);
        for (WCHAR *c = data ? (WCHAR *)GlobalLock(data) : NULL; c && *c; c++)
            putchar(*c < 0x80 && *c != '\'' ? *c : '?');
        CloseClipboard();
    }
    printf("'\n");
    return clock ? 0 : 1;
}
