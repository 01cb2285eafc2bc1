// The end-to-end tests' eyes inside Wine: what the clock's window shows, a
// field a line: the caption's bytes, its text (from the window's Unicode
// text, the full-width colon as ':'), the buttons (label, enabled, centre),
// the outer rectangle, and whether it is minimized and in the foreground.
#include <windows.h>
#include <stdio.h>

static void Button(HWND clock, int id, const char *name)
{
    HWND button = GetDlgItem(clock, id);
    char text[16] = "";
    RECT r;
    GetWindowTextA(button, text, sizeof text);
    GetWindowRect(button, &r);
    printf("%s %s %d %ld %ld\n", name, text, IsWindowEnabled(button) ? 1 : 0,
           (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

int main()
{
    HWND clock = FindWindowA("Vorlandine", NULL);
    if (!clock)
        return puts("no window"), 1;
    char bytes[32];
    WCHAR text[32];
    int n = GetWindowTextA(clock, bytes, sizeof bytes);
    printf("caption");
    for (int i = 0; i < n; i++)
        printf(" %02x", (unsigned char)bytes[i]);
    printf("\ntext ");
    n = GetWindowTextW(clock, text, 32);
    for (int i = 0; i < n; i++)
        putchar(text[i] == 0xFF1A ? ':' : text[i] < 0x80 ? text[i] : '?');
    printf("\n");
    Button(clock, 0x8011, "start");
    Button(clock, 0x8012, "lap");
    RECT r;
    GetWindowRect(clock, &r);
    printf("rect %ld %ld %ld %ld\niconic %d\nforeground %d\n", r.left, r.top, r.right, r.bottom,
           IsIconic(clock) ? 1 : 0, GetForegroundWindow() == clock ? 1 : 0);
    return 0;
}
