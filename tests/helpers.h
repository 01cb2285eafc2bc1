// Shared by the unit tests: a fresh fake platform and clock for every test,
// with the main window and its two buttons in place.
#pragma once
#include <gtest/gtest.h>
#include <string>
#include "fake.h"
#include "../core/clock_state.h"
#include "../shell/shell.h"
#include "../startup/startup.h"

// "  1:02:03" with each ':' as the full-width colon of code page 932.
std::string Cp932(const char *text);

struct ClockTest : ::testing::Test {
    HWND main, startStop, lap;
    void SetUp() override;
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    void Pump();  // what the message loop would do with the posted messages
    std::string Caption() { return fake::Of(main).text; }
    std::string Label() { return fake::Of(startStop).text; }
};
