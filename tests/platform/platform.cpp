#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#define DOCTEST_CONFIG_NO_MULTITHREADING
#include "platform.h"
#include <fstream>
#include <iterator>

Fixture::Fixture()
{
    Clock = ClockState(), Sub = Substitutes();
    DeleteFileA("clock.QNF");
}

Fixture::~Fixture()
{
    DestroyWindow(Clock.MainWindow);
    Pump();  // and the quit that WM_DESTROY posted
}

void Start(const char *arguments)
{
    std::string line = arguments;
    PostQuitMessage(0);  // Wine hands it out after the command WinMain posts
    REQUIRE(WinMain(GetModuleHandleA(NULL), NULL, &line[0], SW_SHOWNORMAL) == 0);
}

void Pump()
{
    PostQuitMessage(0);
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0))
        DispatchMessageA(&msg);
}

LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam)
{
    return SendMessageA(Clock.MainWindow, message, wParam, lParam);
}

std::string Caption()
{
    WCHAR text[32];
    std::string s;
    for (int i = 0, n = GetWindowTextW(Clock.MainWindow, text, 32); i < n; i++)
        s += text[i] == 0xFF1A ? ':' : (char)text[i];
    return s;
}

std::string State()
{
    char text[128], label[16], timer[16];
    GetWindowTextA(Clock.StartStopButton, label, sizeof label);
    wsprintfA(timer, Sub.timerPeriod == TIMER_PARKED ? "parked" : "%u", Sub.timerPeriod);
    wsprintfA(text, "|%s %d %d|%ld %ld %lu %lu %ld|%s|%d", label, IsWindowEnabled(Clock.StartStopButton),
              IsWindowEnabled(Clock.LapButton), Clock.RunState, Clock.ArmState, Clock.AccumulatedMs,
              Clock.LapCs, Clock.ModifierFlags, timer, GetFocus() == Clock.MainWindow);
    return Caption() + text;
}

std::string Read(const char *name)
{
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Write(const std::string &bytes)
{
    std::ofstream("clock.QNF", std::ios::binary) << bytes;
}
