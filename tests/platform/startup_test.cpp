// The command line, and the settings file on real files.
#include "platform.h"

TEST_CASE("the command line: the program's name cut off, the switches applied")
{
    // Over a saved record at (7, 8), 9 ms, LapHold, minimized; the result as
    // "arguments|left top AccumulatedMs RunState ShowState".
    const struct { const char *line, *record; } cases[] = {
        {"\"C:\\Program Files\\t.exe\"  /S /N", "/S /N|7 8 9 1 0"},  // a space does not end a group
        {"\"C:\\t.exe\"/ZS", "/ZS|7 8 0 1 6"},
        {"\"C:\\Program Files\\t.exe /S", "|7 8 9 -1 6"},  // unclosed quote
        {" /S", "|7 8 9 -1 6"},  // a leading space starts the name
        {"t.exe\t/S", "|7 8 9 -1 6"},  // a tab does not end it
        {"", "|7 8 9 -1 6"},
        {"t /N/SLM", "/N/SLM|7 8 9 -1 6"},
        {"t /100*200", "/100*200|100 200 9 -1 6"},
        {"t /*50", "/*50|7 50 9 -1 6"},
        {"t /0*0", "/0*0|0 0 9 -1 6"},
        {"t /100 200", "/100 200|200 8 9 -1 6"},
        {"t /190S", "/190S|190 8 9 -1 6"},  // the S after a number is consumed
        {"t /S100", "/S100|100 8 9 1 6"},
        {"t S Z /s /z", "S Z /s /z|7 8 9 -1 6"},  // outside a group, or lower case
        {"t /-5", "/-5|5 8 9 -1 6"},
        {"t /2147483648", "/2147483648|7 8 9 -1 6"},  // wraps negative: ignored
        {"t /30000000005", "/30000000005|5 8 9 -1 6"},  // restarts from 0 after the wrap
        {"t /*2147483647P", "/*2147483647P|7 2147483647 9 -1 6"},
    };
    for (auto &c : cases) {
        Clock = ClockState();
        Clock.WindowRect = {7, 8, 0, 0};
        Clock.AccumulatedMs = 9, Clock.RunState = LapHold, Clock.ShowState = 6;
        std::string line = c.line;
        LPSTR arguments = SkipProgramName(&line[0]);
        ApplySwitches(arguments, SetSwitch);
        char record[64];
        wsprintfA(record, "%s|%ld %ld %lu %ld %ld", arguments, Clock.WindowRect.left, Clock.WindowRect.top,
                  Clock.AccumulatedMs, Clock.RunState, Clock.ShowState);
        CHECK_MESSAGE(std::string(record) == c.record, c.line);
    }
}

static const std::string Record("\x01\x00\x00\x00\xfe\xff\xff\xff\x03\x01\x00\x00\x04\x00\x00\x80"
                                "\x78\x56\x34\x12\x06\x00\x00\x00\xff\xff\xff\xff\x06\x00\x00\x00", 32);
static std::string Saved() { return std::string((char *)&Clock, sizeof(StateRecord)); }

TEST_CASE_FIXTURE(Fixture, "the settings file: the record byte for byte beside the program, or nothing")
{
    memcpy(&Clock, Record.data(), 32);
    SaveSettings(FALSE);
    CHECK(Read() == Record);
    Clock = ClockState();
    LoadSettings();
    CHECK(Saved() == Record);
    Write(std::string(40, 'x'));                 // a longer file keeps its tail
    SaveSettings(FALSE);
    CHECK(Read() == Record + "xxxxxxxx");
    LoadSettings();                              // and is read no further than 32
    CHECK((Saved() == Record && Clock.BaseTick == 0 && Clock.SavedTick == 0));
    Write(std::string("\x05\0\0\0\x06\0\0", 7));
    Clock = ClockState();
    LoadSettings();                              // a shorter one is no saved clock
    CHECK(Saved() == std::string(32, 0));
    for (const WCHAR *name : {L"tool.bin", L"toolexe"}) {
        Sub.modulePath = name;                   // its last three characters become QNF
        SaveSettings(FALSE);
    }
    CHECK(Read("tool.QNF") + Read("toolQNF") == Saved() + Saved());
    // A path that filled the buffer was cut off: the name beside it is not
    // the program's, and the buffer has no room left to change it.
    std::wstring cut(SETTINGS_PATH_SIZE + 4, 'a');
    Clock.RunState = Running;
    Sub.modulePath = cut.c_str();
    SaveSettings(FALSE);
    LoadSettings();
    CHECK(Saved() == std::string(24, 0) + std::string("\1\0\0\0\0\0\0\0", 8));
    CHECK(GetLastError() == ERROR_INSUFFICIENT_BUFFER);  // no file call followed the cut path
}

// The per-user settings file of the program at modulePath.
static std::wstring PerUser(const WCHAR *modulePath)
{
    WCHAR path[MAX_PATH];
    Sub.modulePath = modulePath;
    wsprintfW(path + GetEnvironmentVariableW(L"LOCALAPPDATA", path, MAX_PATH), L"\\Vorlandine\\%08lX.QNF", SettingsKey());
    return path;
}

TEST_CASE_FIXTURE(Fixture, "the settings file beside the program, in any language, else in the user's folder, one for each program")
{
    char ansi[MAX_PATH];
    GetModuleFileNameA(NULL, ansi, MAX_PATH);
    // tests/run runs the tests from a folder whose ANSI name names nothing.
    REQUIRE(GetFileAttributesA(ansi) == INVALID_FILE_ATTRIBUTES);
    // The folders "missing" and "gone" cannot be written; the tests' own can (NULL: the real path).
    const WCHAR *programs[] = {L"missing\\clock.exe", L"gone\\clock.exe", NULL};
    for (DWORD i = 0; i < 3; i++)
        Sub.modulePath = programs[i], Clock.AccumulatedMs = i + 1, SaveSettings(FALSE);
    WCHAR beside[SETTINGS_PATH_SIZE];
    for (DWORD i = 0; i < 3; i++) {
        Sub.modulePath = programs[i], Clock = ClockState(), LoadSettings();
        CHECK((Clock.AccumulatedMs == i + 1 && (GetFileAttributesW(PerUser(programs[i]).c_str()) != INVALID_FILE_ATTRIBUTES) == (i < 2)));
    }
    for (const WCHAR *program : programs)
        DeleteFileW(PerUser(program).c_str());
    CHECK((SettingsPath(beside) && DeleteFileW(beside)));
}

TEST_CASE_FIXTURE(Fixture, "a settings file another program holds: a save lands once it is free, the window answering meanwhile")
{
    Start("/S");
    for (DWORD share : {DWORD(FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE), DWORD(0)}) {  // as a sync client; a backup
        INFO(share);
        HANDLE held = CreateFileA("clock.QNF", GENERIC_READ, share, NULL, OPEN_EXISTING, 0, NULL);
        Sub.tick += 1000;
        CHECK(Send(WM_KEYDOWN, 'S', 1) == 0);
        CloseHandle(held);
        CHECK((State().back() == '1') == (share != 0));  // shared: at once
        Sleep(HELD_RETRY + 100);
        for (MSG msg; PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE);)
            DispatchMessageA(&msg);
        CHECK(State().back() == '1');
    }
}
