// The end-to-end tests' eyes and hands inside Wine: reads what the clock
// window shows, sends it messages no real input can make, and plays
// "another program" to take activation away.
//   probe show                  caption, buttons (text, enabled, centre), window
//   probe post|send MSG W L     PostMessageA / SendMessageA to the clock
//   probe window                a plain window at (500, 300) until closed
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>

static void ShowButton(HWND clock, int id, const char *name)
{
    HWND button = GetDlgItem(clock, id);
    char text[64] = "";
    GetWindowTextA(button, text, sizeof text);
    RECT r;
    GetWindowRect(button, &r);
    printf("%s %s %d %ld %ld\n", name, text, IsWindowEnabled(button) ? 1 : 0,
           (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

static int Show(HWND clock)
{
    char text[64];
    int n = GetWindowTextA(clock, text, sizeof text);
    printf("caption");
    for (int i = 0; i < n; i++)
        printf(" %02x", (unsigned char)text[i]);
    printf("\ntext ");
    for (int i = 0; i < n; i++)  // the full-width colon as ':'
        if ((unsigned char)text[i] == 0x81 && text[i + 1] == 0x46)
            putchar(':'), i++;
        else
            putchar(text[i]);
    printf("\n");
    ShowButton(clock, 0x8011, "start");
    ShowButton(clock, 0x8012, "lap");
    RECT r;
    GetWindowRect(clock, &r);
    printf("rect %ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
    printf("iconic %d\n", IsIconic(clock) ? 1 : 0);
    printf("visible %d\n", IsWindowVisible(clock) ? 1 : 0);
    printf("foreground %d\n", GetForegroundWindow() == clock ? 1 : 0);
    return 0;
}

static LRESULT CALLBACK OtherProc(HWND w, UINT m, WPARAM wp, LPARAM lp)
{
    if (m == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcA(w, m, wp, lp);
}

static int Window()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = OtherProc;
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    wc.lpszClassName = "ProbeOther";
    RegisterClassA(&wc);
    CreateWindowExA(0, "ProbeOther", "Other", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                    500, 300, 200, 120, NULL, NULL, NULL, NULL);
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0))
        DispatchMessageA(&msg);
    return 0;
}

int main(int argc, char **argv)
{
    if (argc > 1 && strcmp(argv[1], "window") == 0)
        return Window();
    HWND clock = FindWindowA("Vorlandine", NULL);
    if (!clock) {
        printf("no window\n");
        return 1;
    }
    if (argc > 4) {
        UINT msg = strtoul(argv[2], NULL, 0);
        WPARAM w = strtoull(argv[3], NULL, 0);
        LPARAM l = strtoll(argv[4], NULL, 0);
        if (strcmp(argv[1], "send") == 0)
            printf("%lld\n", (long long)SendMessageA(clock, msg, w, l));
        else
            PostMessageA(clock, msg, w, l);
        return 0;
    }
    return Show(clock);
}
