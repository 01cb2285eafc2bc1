#include "helpers.h"

std::string Cp932(const char *text)
{
    std::string s;
    for (; *text; text++)
        s += *text == ':' ? std::string("\x81\x46") : std::string(1, *text);
    return s;
}

void ClockTest::SetUp()
{
    fake::Reset();
    Clock = ClockState();
    main = fake::NewWindow(NULL, 0);
    startStop = fake::NewWindow(main, IDC_START_STOP);
    lap = fake::NewWindow(main, IDC_LAP);
    Clock.MainWindow = main, Clock.StartStopButton = startStop, Clock.LapButton = lap;
    fake::classProc = MainWndProc;
}

LRESULT ClockTest::Send(UINT message, WPARAM wParam, LPARAM lParam)
{
    return MainWndProc(main, message, wParam, lParam);
}

void ClockTest::Pump()
{
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0))
        DispatchMessageA(&msg);
}
