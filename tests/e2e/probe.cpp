// The end-to-end tests' eyes inside Wine: what the clock's window shows, as
// shell assignments: its text (the Unicode caption, the full-width colon as
// ':'), each button's label and enabled state and where its centre is, the
// window's edges, and whether it is minimized and in the foreground.
#include <windows.h>
#include <stdio.h>

static void Button(HWND button, const char *name)
{
    char text[16] = "";
    RECT r;
    GetWindowTextA(button, text, sizeof text);
    GetWindowRect(button, &r);
    printf("%s='%s %d' %s_at='%ld %ld'\n", name, text, IsWindowEnabled(button) != 0, name,
           (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

int main()
{
    HWND clock = FindWindowA("Vorlandine", NULL);
    WCHAR text[32];
    printf("text='");
    for (int i = 0, n = GetWindowTextW(clock, text, 32); i < n; i++)
        putchar(text[i] == 0xFF1A ? ':' : text[i] < 0x80 && text[i] != '\'' ? text[i] : '?');
    printf("'\n");
    Button(GetDlgItem(clock, 0x8011), "start");
    Button(GetDlgItem(clock, 0x8012), "lap");
    RECT r = {};
    GetWindowRect(clock, &r);
    printf("left=%ld top=%ld right=%ld bottom=%ld iconic=%d foreground=%d\n", r.left, r.top, r.right, r.bottom,
           IsIconic(clock) != 0, clock && GetForegroundWindow() == clock);
    return clock ? 0 : 1;
}
