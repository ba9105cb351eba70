// The real program's start-up and end, its message boxes, its menu and its
// command line, in each Windows version Wine can pretend to be.
#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "fakehelp.h"
#include "scenario.h"

namespace {

using namespace driver;

class Startup : public ModeTest {};

// An exit, and the end of the session (asked, then the process killed
// without WM_DESTROY), both leave every key of every section on disk.
TEST_P(Startup, ExitAndEndOfSessionWriteEveryKeyOfEverySection) {
  const char* const kKeys[] = {
      "FastExitTaskbarIcon/Show", "FastExitTaskbarIcon/ExitOnSingleClick", "TaskbarIcon/Show",
      "TaskbarIcon/SingleClick", "TaskbarIcon/DoubleClick", "ButtonBar/Show", "ButtonBar/OnTop",
      "ButtonBar/ButtonSize", "ButtonBar/SpaceBetween", "ButtonBar/Border", "ButtonBar/Tooltips",
      "ButtonBar/Selection", "Fast Exit/FastExitOpt", "Hot Keys/StartSS", "Hot Keys/BringToFg", "Hot Keys/FastExit",
      "Hot Keys/ToggleSS", "Hot Keys/Menu", "Hot Keys/SSPropsDlg", "Hot Keys/Customize", "Position/X", "Position/Y",
      "Position/Edge", "Position/Orient", "Drowsel/DisableOnStart", "Drowsel/StartSSOnStart"};
  for (bool endOfSession : {false, true}) {
    SCOPED_TRACE(endOfSession ? "end of session" : "exit");
    ASSERT_TRUE(Start());
    if (endOfSession) {
      EXPECT_EQ(1, Send(WM_QUERYENDSESSION));
      HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, napkey.Pid());
      ASSERT_TRUE(process && TerminateProcess(process, 9));
      WaitForSingleObject(process, 20000);
      CloseHandle(process);
    } else {
      ASSERT_TRUE(Exit());
    }
    for (const char* key : kKeys) EXPECT_TRUE(IniHas(key)) << key;
    const int icons = std::string("win31 nt351").find(GetParam()) == std::string::npos ? 1 : 0;
    EXPECT_EQ(icons, IniInt("TaskbarIcon/Show")) << "taskbar icons need level 4";
    EXPECT_EQ(icons, IniInt("FastExitTaskbarIcon/Show"));
  }
}

// Whatever napkey.ini holds, the program starts, and its exit writes a file
// of numbers within their ranges.
TEST_P(Startup, DamagedSettingsFilesLoadToAValidStateAndExitWritesACleanOne) {
  if (GetParam() != std::string("win95")) GTEST_SKIP() << "the file reading does not differ by platform";
  std::string everyKeyGarbage, binary(4096, '\0'), huge = "[ButtonBar]\r\n";
  for (const char* section : {"FastExitTaskbarIcon", "TaskbarIcon", "ButtonBar", "Fast Exit", "Position", "Drowsel"})
    everyKeyGarbage += std::string("[") + section + "]\r\nShow=x\r\nSingleClick=-7\r\nDoubleClick=99999999999\r\n"
                       "ButtonSize= 2 \r\nSelection=\r\nFastExitOpt=abc\r\nEdge=-1\r\nOrient=3\r\n"
                       "ExitOnSingleClick=1e9\r\nDisableOnStart=\t\r\n";
  for (size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>(i * 37 + 11);
  while (huge.size() < (1 << 20)) huge += "Comment=" + std::string(100, 'x') + "\r\n";
  const struct { const char* label; std::string ini; } cases[] = {
      {"every key garbage, huge, negative, empty", everyKeyGarbage},
      {"a key and a section twice", "[ButtonBar]\r\nButtonSize=9\r\nButtonSize=1\r\n[Position]\r\nEdge=7\r\n"
                                    "[ButtonBar]\r\nButtonSize=2\r\n"},
      {"binary junk", binary},
      {"a megabyte", huge}};
  const struct { const char* key; int low, high; } kRanges[] = {
      {"TaskbarIcon/Show", 0, 1}, {"TaskbarIcon/SingleClick", 0, 3}, {"TaskbarIcon/DoubleClick", 0, 3},
      {"ButtonBar/ButtonSize", 0, 2}, {"ButtonBar/Selection", 1, 15}, {"Fast Exit/FastExitOpt", 0, 5},
      {"Position/Edge", 0, 4}, {"Position/Orient", 0, 2}, {"FastExitTaskbarIcon/ExitOnSingleClick", 0, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    ASSERT_TRUE(Start(c.ini.c_str()));
    ASSERT_TRUE(Exit());
    for (const auto& range : kRanges) {
      const int value = IniInt(range.key);
      EXPECT_TRUE(value >= range.low && value <= range.high) << range.key << "=" << value;
    }
  }
}

// Started from deep folders, up to the longest path a program can be started
// from: the help file is named beside the program. (A path that does not fit
// gives the bare name, which the help system searches for: see the native
// tests of the composition.)
class LongPaths : public SystemTest {
 protected:
  harness::FakeHelp help;
};

TEST_F(LongPaths, HelpFileBesideTheProgramOrByNameAlone) {
  ResetSystem("win95");
  std::string folder = "C:\\";
  for (size_t length : {200u, 249u}) {  // with "napkey.exe": 210 and 259 characters
    while (folder.size() < length) {
      folder += std::string(std::min<size_t>(60, length - folder.size() - 1), 'd') + "\\";
      CreateDirectoryA(folder.c_str(), nullptr);
    }
    SCOPED_TRACE(std::to_string(folder.size()) + " characters");
    const std::string exe = folder + "napkey.exe";
    ASSERT_TRUE(CopyFileA(NapkeyPath().c_str(), exe.c_str(), FALSE));
    ASSERT_TRUE(napkey.Start("", exe));
    ASSERT_TRUE(Attach());
    const size_t before = help.Files().size();
    Post(WM_COMMAND, IDM_HELP);
    ASSERT_TRUE(harness::WaitUntil([&] { return help.Files().size() > before; }, 20000));
    const std::string beside = folder + "napkey.hlp";
    EXPECT_EQ(beside, help.Files().back());
    EXPECT_TRUE(Exit());
  }
}

class StartAndMenu : public ScenarioTest {};

TEST_F(StartAndMenu, Scenarios) {
  const char* const kAll = "win95 nt40 win10 win31 nt351";
  const char kNoSaverIcon[] = "[TaskbarIcon]\r\nShow=0\r\n";
  const char kNoIcons[] = "[TaskbarIcon]\r\nShow=0\r\n[FastExitTaskbarIcon]\r\nShow=0\r\n";
  // Hiding is remembered, and the menu then offers to show the bar again.
  const std::vector<Step> hide = {{kMenuItem, IDM_SHOW_BAR, 0, "Hide Button Bar"}, {kSend, WM_COMMAND, IDM_SHOW_BAR},
                                  {kBarShown, 0, 0}, {kMenuItem, IDM_SHOW_BAR, 0, "Show &Button Bar"},
                                  {kExitIni, 0, 0, "ButtonBar/Show"}};
  Run({
      {"quick help on the very first start only", kAll, nullptr, kFirstStart,
       {{kDialog, 0, 0, "Welcome to Drowsel/Plus!"}, {kAnswer, IDCANCEL}, {kRestart},
        {kNoBox, 0, 0, "Welcome to Drowsel/Plus!"}}},
      // "Hide Button Bar" is offered only while a taskbar icon would remain
      // to bring the bar back; the old shells have no icons at all.
      {"the bar can be hidden while an icon remains", "win95 nt40 win10", nullptr, 0, hide},
      {"the bar can be hidden while an icon remains", "win95 nt40 win10", kNoSaverIcon, 0, hide},
      {"the bar cannot be hidden without icons", kAll, kNoIcons, 0, {{kMenuItem, IDM_SHOW_BAR, 1, "Hide Button Bar"}}},
      {"the bar cannot be hidden without icons", "win31 nt351", nullptr, 0,
       {{kMenuItem, IDM_SHOW_BAR, 1, "Hide Button Bar"}}},
  });
}

INSTANTIATE_TEST_SUITE_P(Windows, Startup, ::testing::Values("win95", "nt40", "win10", "win31", "nt351"));

// Message boxes the program shows: what starts them, what they say, and
// whether the program goes on after the answer (settings saved on the way out).
TEST_F(StartAndMenu, MessageBoxes) {
  const char kExit[] = "Are you sure you want to exit Drowsel/Plus?";
#define NO_SAVER "No screen saver is selected.  Use \"Screen Saver Properties\" "
  const char kReport[] = "Program Error:  Cannot Run screen saver.\n\nPlease report*CreateProcess failed; error # 2:\n*";
  const Step kClose = {kPost, WM_SYSCOMMAND, SC_CLOSE};
  Run({
      {"close, no", "win95 nt40 win10 win31 nt351", nullptr, 0, {kClose, {kBox, IDNO, IDNO, kExit}}},
      {"close, yes", "win95", nullptr, 0,
       {kClose, {kBox, IDYES, IDNO, kExit}, {kEnded}, {kExitIni, 0, 1, "ButtonBar/Show"}}},
      {"run without a saver", "win95 nt40 win10", nullptr, 0,
       {{kPost, WM_NAPKEY_START_SAVER},
        {kBox, 0, 0, NO_SAVER "or change Display Properties to select a screen saver.", 0,
         "Run screen saver"}}},
      {"run without a saver, old shells", "win31 nt351", nullptr, 0,
       {{kPost, WM_NAPKEY_START_SAVER},
        {kBox, 0, 0, NO_SAVER "or Control Panel / Desktop to select a screen saver.", 0,
         "Run screen saver"}}},
      {"a missing saver", "win95 win31", nullptr, kMissingSaver, {{kPost, WM_NAPKEY_START_SAVER}, {kBox, 0, 0, kReport}}},
      {"shut down without the privilege", "nt40 win10", "[Fast Exit]\r\nFastExitOpt=4\r\n", kRecording,
       {{kRefuse, 0, 0, "privilege"}, {kPost, WM_NAPKEY_FAST_EXIT},
        {kBox, 0, 0, "Could not obtain privilege to shut down Windows NT"}, {kExitAsked}}},
      {"restart without NAPRST16.EXE", "win95", "[Fast Exit]\r\nFastExitOpt=1\r\n", kRecording,
       {{kPost, WM_NAPKEY_FAST_EXIT}, {kBox, 0, 0, "Auxiliary file NAPRST16.EXE not found.", 0, "Cannot Restart Windows 95"},
        {kExitAsked}}},
      {"DOS without its PIF", "win95", "[Fast Exit]\r\nFastExitOpt=5\r\n", kRecording,
       {{kPost, WM_NAPKEY_FAST_EXIT},
        {kBox, 0, 0, "Prior to using this program to Exit To DOS, you must have done so at least once before*typing "
                     "\"exit\" (without the quotation marks) at the MS-DOS command prompt."},
        {kExitAsked}}},
  });
}

// One word on the command line: the program acts and ends with 0, without a
// window of its own, with and without a running instance.
class CommandLine : public SystemTest {};

// The box a copy shows. Wine now and then leaves a message box out of the
// desktop's list of windows (FindWindowEx passes it by) though it shows and is
// active; its thread still names it.
HWND BoxOf(DWORD pid) {
  if (HWND box = harness::WaitForDialog("Drowsel/Plus", pid, 0)) return box;
  GUITHREADINFO thread = {sizeof thread};
  for (HWND window : harness::Windows(pid, nullptr, true))
    if (GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread) && thread.hwndActive) return thread.hwndActive;
  return nullptr;
}

// Ten copies started at the same moment, as from a double-clicked shortcut
// on a slow machine: one stays, each other one says so and ends. In the last
// round the test itself holds the start back (it takes the mutex a starting
// copy holds) and watches for a bar for 25 s, longer than copies ever waited
// for a slow start before becoming a second instance.
TEST_F(CommandLine, CopiesStartedTogetherLeaveOneInstance) {
  for (int round = 1; round <= 21; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    ResetSystem("win95");
    HANDLE slowStart = round == 21 ? CreateMutexA(nullptr, TRUE, "Napkey_Resident_Starting") : nullptr;
    std::vector<std::unique_ptr<Napkey>> copies;
    for (int i = 0; i < 10; ++i) {
      copies.emplace_back(new Napkey);
      ASSERT_TRUE(copies.back()->Start());
    }
    if (slowStart) {
      EXPECT_FALSE(harness::WaitUntil([] { return !harness::Windows(0, kMainWindowClass, true).empty(); }, 25000))
          << "a copy started while another was starting";
      ReleaseMutex(slowStart);
      CloseHandle(slowStart);
    }
    int ended = 0;
    std::vector<HWND> answered;
    ASSERT_TRUE(harness::WaitUntil([&] {
      ended = 0;
      for (auto& copy : copies) {
        if (!copy->Running()) ++ended;
        else if (HWND box = BoxOf(copy->Pid())) {
          if (std::find(answered.begin(), answered.end(), box) != answered.end()) continue;  // may be going
          const harness::MessageBoxInfo info = harness::ReadMessageBox(box);
          if (info.text.empty()) continue;  // active before it is set up
          EXPECT_EQ("Drowsel/Plus is already running!", info.text);
          EXPECT_EQ(harness::FirstWindow(0, kMainWindowClass, true), info.owner);
          harness::PressButton(box, IDOK);
          answered.push_back(box);
        }
      }
      return ended == 9;
    }, 60000)) << ended << " ended, " << harness::Windows(0, kMainWindowClass, true).size() << " bars, "
               << harness::Windows(0, "#32770", true).size() << " dialogs, shown or not";
    EXPECT_EQ(1u, harness::Windows(0, kMainWindowClass, true).size());
  }
}

TEST_F(CommandLine, KeywordsWithoutAnInstance) {
  const std::string longText(32000, 'x');
  const struct {
    const char* arguments;
    bool before, after, help;
  } kCases[] = {{"\toff", true, false, false},  // the system drops the blanks before the arguments
                {"off\t", true, true, true}, {longText.c_str(), true, true, true},
                {"off", true, false, false},   {"OFF", true, false, false},    {"Off", true, false, false},
                {"on", false, true, false},    {"ON", false, true, false},     {"oN", false, true, false},
                {"off ", true, true, true},    {"/off", true, true, true},     {"\"off\"", true, true, true},
                {"off now", true, true, true}, {"offf", true, true, true},     {"nonsense", false, false, true},
                {"off 0", true, true, true},   {"off 1441", true, true, true},
                {"o\xAD" "ff", true, false, false}};  // a soft hyphen, which the system's comparison passes over
  ResetSystem("win95", nullptr, true);
  for (const auto& c : kCases) {
    SetSaverFlag(c.before);
    bool help = !c.help;
    EXPECT_EQ(0u, RunCommand(c.arguments, &help)) << "[" << c.arguments << "]";
    EXPECT_EQ(c.help, help) << "[" << c.arguments << "]";
    EXPECT_EQ(c.after, SystemSaverActive()) << "[" << c.arguments << "]";
  }
}

// Ten copies started at once, "off" and "on" in turn, leave the instance and
// the system agreeing, and the word given last, alone, wins.
TEST_F(CommandLine, SimultaneousOnAndOffLeaveTheInstanceAndTheSystemAgreeing) {
  ASSERT_TRUE(Start(nullptr, kWithSaver));
  for (const char* last : {"off", "on", "off"}) {
    SCOPED_TRACE(last);
    std::vector<std::unique_ptr<Napkey>> copies;
    for (int i = 0; i < 10; ++i) {
      copies.push_back(std::make_unique<Napkey>());
      ASSERT_TRUE(copies.back()->Start(i % 2 ? "on" : "off"));
    }
    for (auto& copy : copies) EXPECT_EQ(0u, copy->WaitExit()) << "every copy ends by itself, with no box";
    ASSERT_TRUE(Alive());
    EXPECT_EQ(SystemSaverActive() ? "Disable screen saver" : "Enable screen saver",
              harness::WindowText(Button(IDC_BAR_TOGGLE)));
    EXPECT_EQ(0u, RunCommand(last));
    ASSERT_TRUE(Alive());
    const bool on = !std::strcmp(last, "on");
    EXPECT_EQ(on, SystemSaverActive());
    EXPECT_EQ(on ? "Disable screen saver" : "Enable screen saver", harness::WindowText(Button(IDC_BAR_TOGGLE)));
  }
  EXPECT_EQ(1u, harness::Windows(0, kMainWindowClass, true).size()) << "no copy became a second instance";
  EXPECT_TRUE(Exit());
}

TEST_F(CommandLine, NowWithoutAnInstanceAsksTheDesktop) {
  if (sizeof(void*) == 4) GTEST_SKIP() << "the desktop belongs to 64-bit explorer.exe, which a 32-bit hook cannot watch";
  ResetSystem("win95");
  harness::MessageSpy desktop(GetDesktopWindow());
  ASSERT_TRUE(desktop.Ok()) << "cannot watch the desktop window";
  EXPECT_EQ(0u, RunCommand("now"));
  EXPECT_TRUE(harness::WaitUntil([&] { return desktop.Count(WM_SYSCOMMAND, SC_SCREENSAVE, false) == 1; }, 20000))
      << "SC_SCREENSAVE was not sent to the desktop window";
}

TEST_F(StartAndMenu, CommandLineWithAnInstance) {
  const char kDisable[] = "Disable screen saver", kEnable[] = "Enable screen saver";
  Run({
      {"the instance is told to toggle only when needed, and keeps its record", "win95", nullptr, 0,
       {{kRun, 0, 0, "on"}, {kCount, WM_NAPKEY_TOGGLE_SAVER, 0}, {kSaverFlag, 0, 1}, {kShows, IDC_BAR_TOGGLE, 0, kDisable},
        {kRun, 0, 0, "OFF"}, {kCount, WM_NAPKEY_TOGGLE_SAVER, 1}, {kSaverFlag, 0, 0},
        {kShows, IDC_BAR_TOGGLE, 0, kEnable}, {kRun, 0, 0, "off"}, {kCount, WM_NAPKEY_TOGGLE_SAVER, 1},
        {kSaverFlag, 0, 0}, {kRun, 0, 0, "On"}, {kCount, WM_NAPKEY_TOGGLE_SAVER, 2}, {kSaverFlag, 0, 1},
        {kShows, IDC_BAR_TOGGLE, 0, kDisable}, {kExitIni, 0, 0, "Drowsel/DisableOnStart"}}},
      // Another program disabled it while the instance believed it enabled.
      {"on ends enabled whatever the instance last knew", "win95", nullptr, kWithSaver,
       {{kFlagElsewhere, 0, 0}, {kSaverFlag, 0, 0}, {kRun, 0, 0, "on"}, {kSaverFlag, 0, 1},
        {kShows, IDC_BAR_TOGGLE, 0, kDisable}}},
      {"now, on Windows 95, runs the selected saver", "win95", nullptr, kWithSaver,
       {{kRun, 0, 0, "now"}, {kCount, WM_NAPKEY_START_SAVER, 1}, {kSaverRan, 0, 1}}},
  });
}

}  // namespace
