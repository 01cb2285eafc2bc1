// The command line and the settings file, on real files in a temporary folder.
#include "helpers.h"
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

TEST(SkipProgramName, CutsTheNameAndTheSpacesAfterIt)
{
    const struct { const char *line, *arguments; } cases[] = {
        {"\"C:\\Program Files\\tool.exe\"  /S /M", "/S /M"},
        {"\"C:\\tool.exe\"/S", "/S"},
        {"C:\\tool.exe /100*200", "/100*200"},
        {"\"C:\\Program Files\\tool.exe /S", ""},     // unclosed quote
        {" /S", ""},                                   // a leading space starts the name
        {"tool.exe\t/S", ""},                          // a tab does not end it
        {"", ""},
    };
    for (auto &c : cases) {
        char line[64];
        strcpy(line, c.line);
        EXPECT_STREQ(SkipProgramName(line), c.arguments) << c.line;
    }
}

TEST(ApplySwitches, SetsTheRecordAsTheLineSays)
{
    // From a saved record: at (7, 8), 9 ms, LapHold, minimized.
    const struct { const char *arguments; LONG x, y; DWORD ms; LONG run, show; } cases[] = {
        {"", 7, 8, 9, LapHold, 6},
        {"/ZS", 7, 8, 0, Running, 6},
        {"/S /N", 7, 8, 9, Running, 0},
        {"/SPN", 7, 8, 9, Stopped, 0},
        {"/M/N /L", 7, 8, 9, LapHold, 0},
        {"/100*200", 100, 200, 9, LapHold, 6},
        {"/*50", 7, 50, 9, LapHold, 6},
        {"/100", 100, 8, 9, LapHold, 6},
        {"/100 200", 200, 8, 9, LapHold, 6},
        {"/100S", 100, 8, 9, LapHold, 6},       // the S after a number is consumed
        {"/S100", 100, 8, 9, Running, 6},
        {"/100*200S", 100, 200, 9, LapHold, 6},
        {"/5*", 5, 8, 9, LapHold, 6},
        {"S Z /s /z", 7, 8, 9, LapHold, 6},     // outside a group, or lower case
        {"/-5", 5, 8, 9, LapHold, 6},
        {"/2147483648", 7, 8, 9, LapHold, 6},   // wraps negative: ignored
        {"/21474836480", 0, 8, 9, LapHold, 6},  // restarts from 0 after the wrap
        {"/*2147483647P", 7, 2147483647, 9, LapHold, 6},
    };
    for (auto &c : cases) {
        Clock = ClockState();
        Clock.WindowRect = {7, 8, 0, 0};
        Clock.AccumulatedMs = 9, Clock.RunState = LapHold, Clock.ShowState = 6;
        ApplySwitches(c.arguments);
        EXPECT_EQ(Clock.WindowRect.left, c.x) << c.arguments;
        EXPECT_EQ(Clock.WindowRect.top, c.y) << c.arguments;
        EXPECT_EQ(Clock.AccumulatedMs, c.ms) << c.arguments;
        EXPECT_EQ(Clock.RunState, c.run) << c.arguments;
        EXPECT_EQ(Clock.ShowState, c.show) << c.arguments;
    }
}

struct SettingsTest : ClockTest {
    std::string dir, exe, file;
    void SetUp() override
    {
        ClockTest::SetUp();
        char name[] = "/tmp/settingsXXXXXX";
        dir = mkdtemp(name);
        exe = dir + "/tool.exe", file = dir + "/tool.QNF";
        fake::modulePath = exe.c_str();
    }
    void TearDown() override
    {
        fake::Reset();
        chmod(file.c_str(), 0644);
        std::string rm = "rm -rf " + dir;
        EXPECT_EQ(system(rm.c_str()), 0);
    }
    void Write(const std::string &bytes) { std::ofstream(file, std::ios::binary) << bytes; }
    std::string Read()
    {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static std::string Record()  // the sample record, as the file holds it
    {
        return std::string("\x01\x00\x00\x00\xfe\xff\xff\xff\x03\x01\x00\x00\x04\x00\x00\x80"
                           "\x78\x56\x34\x12\x06\x00\x00\x00\xff\xff\xff\xff\x06\x00\x00\x00", 32);
    }
    static void SetRecord()
    {
        Clock.WindowRect = {1, -2, 259, (LONG)0x80000004};
        Clock.AccumulatedMs = 0x12345678, Clock.LapCs = 6, Clock.RunState = LapHold, Clock.ShowState = 6;
    }
};

TEST_F(SettingsTest, SavesTheRecordByteForByteAndLoadsItBack)
{
    SetRecord();
    SaveSettings();
    EXPECT_EQ(Read(), Record());
    Clock = ClockState();
    LoadSettings();
    EXPECT_EQ(memcmp(&Clock, Record().data(), 32), 0);
}

TEST_F(SettingsTest, FileNameReplacesTheLastThreeCharacters)
{
    for (const char *name : {"/tool.exe", "/tool.bin", "/toolexe"}) {
        exe = dir + name;
        fake::modulePath = exe.c_str();
        SaveSettings();
    }
    EXPECT_EQ(access((dir + "/tool.QNF").c_str(), F_OK), 0);
    EXPECT_EQ(access((dir + "/toolQNF").c_str(), F_OK), 0);
}

TEST_F(SettingsTest, ShortAndLongFiles)
{
    LoadSettings();                               // no file: the defaults stay
    EXPECT_EQ(Clock.RunState, 0);
    Write(std::string("\x05\x00\x00\x00\x06\x00\x00", 7));
    LoadSettings();
    EXPECT_EQ(Clock.WindowRect.left, 5);
    EXPECT_EQ(Clock.WindowRect.top, 6);           // the seven bytes, no more
    EXPECT_EQ(Clock.WindowRect.right, 0);
    Write(std::string(40, 'x'));
    SetRecord();
    SaveSettings();
    EXPECT_EQ(Read(), Record() + "xxxxxxxx");      // the tail is kept
}

TEST_F(SettingsTest, FilesThatCannotBeOpenedChangeNothing)
{
    Write(Record());
    HANDLE held = fake::HoldFile(file.c_str());   // open elsewhere, not shared
    LoadSettings();
    EXPECT_EQ(Clock.RunState, 0);
    CloseHandle(held);

    chmod(file.c_str(), 0444);
    SaveSettings();
    EXPECT_EQ(Read(), Record());

    exe = dir + "/missing/tool.exe";
    fake::modulePath = exe.c_str();
    SaveSettings();
    LoadSettings();
    EXPECT_EQ(Clock.RunState, 0);
}

// A path that filled the whole buffer was cut off: writing beside the cut
// name would put a stray file somewhere else.
TEST_F(SettingsTest, CutOffModulePathIsNotUsed)
{
    exe = dir + "/" + std::string(300 - dir.size(), 'a') + ".exe";
    fake::modulePath = exe.c_str();
    SaveSettings();
    std::string ls = "test -z \"$(ls -A " + dir + ")\"";
    EXPECT_EQ(system(ls.c_str()), 0);
}
