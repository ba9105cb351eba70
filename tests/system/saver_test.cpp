// The program holding, giving back and starting the saver, and Fast Exit (with a napkey.exe that records its
// exit requests instead of making them: a test must not end the session it runs in).
#include "scenario.h"

namespace {

using namespace driver;

const char kChoice[] = "Get Out Of Windows NOW!";
const char kNone[] = "Are you sure you want to select \"(None)\" as your screen saver?";
const Step kOpenChoice = {kOpen, IDM_WINDOWS_EXIT, 0, kChoice};
const Step kToggle = {kSend, WM_NAPKEY_TOGGLE_SAVER};
const Step kCustomize = {kOpen, IDM_CUSTOMIZE, 0, "Customize Drowsel/Plus"};
#define POLICY "Software\\Policies\\Microsoft\\Windows\\Control Panel\\Desktop\\"
const char kPolicyOn[] = "The screen saver is set by a system policy and cannot be turned off here.";
const Step kOpenProperties = {kOpen, IDM_SAVER_PROPERTIES, 0, "Screen Saver Properties"};
const Step kPolicyNote = {kShows, IDC_PROPS_POLICY_NOTE, 0, "Some settings are managed by your system administrator."};
#define DISPLAY(on) "SetThreadExecutionState 0x8000000" #on "\n"  // 2: kept on, 0: let go

class SaverAndFastExit : public ScenarioTest {};

TEST_F(SaverAndFastExit, Scenarios) {
  Run({
      // Another program's announcement cannot enable it, nor wait for the watchdog.
      {"held disabled against broadcasts, given back at exit, taken again at the next start", "win95 nt40 win10 win31",
       nullptr, kWithSaver,
       {{kSend, WM_NAPKEY_TOGGLE_SAVER}, {kSaverFlag, 0, 0}, {kFlagElsewhere, 0, 1}, {kSaverFlag, 0, 0}, {kSaverIni},
        {kExitIni, 0, 1, "Drowsel/DisableOnStart"}, {kSaverFlag, 0, 1}, {kRestart}, {kSaverFlag, 0, 0},
        {kExitIni, 0, 1, "Drowsel/DisableOnStart"}}},
      // Windows 95 is given back the short (8.3) form of the path.
      {"(None) chosen elsewhere while held: No puts the saver back", "win95", nullptr, kWithSaver,
       {{kSend, WM_NAPKEY_TOGGLE_SAVER}, {kSelectSaver, 0, 0, "(None)"}, {kBox, IDNO, IDNO, kNone}, {kSaverIni, 0, 1},
        {kSaverFlag, 0, 0}, {kExit}, {kSaverFlag, 0, 1}}},
      {"(None) chosen elsewhere while held: No puts the saver back", "nt40 win10 win31", nullptr, kWithSaver,
       {{kSend, WM_NAPKEY_TOGGLE_SAVER}, {kSelectSaver, 0, 0, "(None)"}, {kBox, IDNO, IDNO, kNone}, {kSaverIni},
        {kSaverFlag, 0, 0}, {kExit}, {kSaverFlag, 0, 1}}},
      {"(None) chosen elsewhere while held: Yes lets it go, also at exit", "win95 nt40 win10 win31", nullptr, kWithSaver,
       {{kSend, WM_NAPKEY_TOGGLE_SAVER}, {kSelectSaver, 0, 0, "(none)"}, {kBox, IDYES, IDNO, kNone},
        {kSaverIni, 0, 0, "(none)"}, {kSaverFlag, 0, 0}, {kExit}, {kSaverFlag, 0, 0}}},
      {"(None) chosen elsewhere while enabled asks nothing", "win95 nt40 win10 win31", nullptr, kWithSaver,
       {{kSelectSaver, 0, 0, "(None)"}, {kNoBox}}},
      {"the exit choice on Windows 95: every way out, none the default; settings saved when cancelled", "win95",
       nullptr, kRecording,
       {kOpenChoice, {kEnabled, IDC_FAST_EXIT_RESTART95, 1}, {kEnabled, IDC_FAST_EXIT_DOS, 1},
        {kFocus, IDC_FAST_EXIT_SHUTDOWN}, {kAnswer, IDCANCEL}, {kIni, 0, 1, "ButtonBar/Show"}, kOpenChoice, {kEscape},
        {kNoBox}, {kExitAsked}}},
      {"the exit choice on Windows NT: no Windows 95 ways out", "nt40", nullptr, kRecording,
       {kOpenChoice, {kEnabled, IDC_FAST_EXIT_RESTART95, 0}, {kEnabled, IDC_FAST_EXIT_DOS, 0},
        {kEnabled, IDC_FAST_EXIT_SHUTDOWN, 1}, {kEnabled, IDC_FAST_EXIT_HELP, 1}, {kFocus, IDC_FAST_EXIT_LOGOFF},
        {kAnswer, IDCANCEL}, {kExitAsked}}},
      {"closed while the choice is open: the saver stays disabled for the next start", "win95 nt40", nullptr,
       kRecording | kWithSaver,
       {{kSend, WM_NAPKEY_TOGGLE_SAVER}, kOpenChoice, {kPost, WM_CLOSE}, {kEnded},
        {kExitIni, 0, 1, "Drowsel/DisableOnStart"}, {kExitAsked}}},
      // Requests go without force; Windows 95 closes the program itself,
      // Windows NT ends the programs itself, and a refusal says nothing.
      {"log off from the choice", "win95", nullptr, kRecording,
       {kOpenChoice, {kAnswer, IDC_FAST_EXIT_LOGOFF}, {kEnded}, {kExitAsked, 0, 0, "ExitWindowsEx 0x0\n"},
        {kExitIni, 0, 0, "Drowsel/DisableOnStart"}}},
      {"configured restart", "win95", "[Fast Exit]\r\nFastExitOpt=2\r\n", kRecording,
       {{kPost, WM_NAPKEY_FAST_EXIT}, {kEnded}, {kExitAsked, 0, 0, "ExitWindowsEx 0x2\n"}}},
      {"refused shutdown", "win95 nt40", "[Fast Exit]\r\nFastExitOpt=4\r\n", kRecording,
       {{kRefuse, 0, 0, "exit"}, {kPost, WM_NAPKEY_FAST_EXIT}, {kExitAsked, 0, 0, "ExitWindowsEx 0x1\n"}, {kNoBox}}},
      {"the display kept on while off, let go when on and at exit", "win10", nullptr, kRecording | kWithSaver,
       {kToggle, {kSaverFlag, 0, 0}, {kExitAsked, 0, 0, DISPLAY(2)}, kToggle, {kExitAsked, 0, 0, DISPLAY(2) DISPLAY(0)},
        kToggle, {kExit}, {kExitAsked, 0, 0, DISPLAY(2) DISPLAY(0) DISPLAY(2) DISPLAY(0)}}},
      {"no display request before Windows 98 and 2000: the option is greyed", "win95 nt40", nullptr,
       kRecording | kWithSaver,
       {kToggle, {kSaverFlag, 0, 0}, {kExitAsked}, kCustomize, {kEnabled, IDC_TI_KEEP_DISPLAY, 0}}},
      {"unticked on the sheet while off: the display let go", "win10", nullptr, kRecording | kWithSaver,
       {kToggle, {kExitAsked, 0, 0, DISPLAY(2)}, kCustomize, {kChecked, IDC_TI_KEEP_DISPLAY, 1},
        {kClick, IDC_TI_KEEP_DISPLAY}, {kClick, IDOK}, {kClosed}, {kExitAsked, 0, 0, DISPLAY(2) DISPLAY(0)},
        {kExitIni, 0, 0, "TaskbarIcon/KeepDisplayOn"}}},
      {"a policy keeps the saver on: every off says so, the command line ends with 1", "win95 nt40 win10", nullptr,
       kWithSaver,
       {{kSetValue, 0, 0, POLICY "ScreenSaveActive", 0, "1"}, {kPost, WM_NAPKEY_TOGGLE_SAVER}, {kBox, 0, 0, kPolicyOn},
        {kSaverFlag, 0, 1}, {kTrayIcon, 22766, 1, "Screen saver is enabled (set by a system policy)"},
        {kCommand, IDM_OFF_15}, {kBox, 0, 0, kPolicyOn}, {kRun, 0, 1, "off"}, {kRun, 0, 1, "off 30"}, kOpenProperties,
        {kEnabled, IDC_PROPS_ENABLED, 0}, {kEnabled, IDC_PROPS_LIST, 1}, kPolicyNote, {kAnswer, IDCANCEL}, {kExit},
        {kRun, 0, 1, "off 30"}, {kSaverFlag, 0, 1}}},
      {"the other policies grey what they fix; the toggle works", "win95 win10", nullptr, kWithSaver,
       {{kSetValue, 0, 0, POLICY "ScreenSaveTimeOut", 0, "600"}, {kSetValue, 0, 0, POLICY "ScreenSaverIsSecure", 0, "1"},
        {kSetValue, 0, 0, POLICY "SCRNSAVE.EXE", 0, "x.scr"}, kOpenProperties, {kEnabled, IDC_PROPS_LIST, 0},
        {kEnabled, IDC_PROPS_DELAY, 0}, {kEnabled, IDC_PROPS_PASSWORD, 0}, {kEnabled, IDC_PROPS_ENABLED, 1}, kPolicyNote,
        {kAnswer, IDCANCEL}, kToggle, {kSaverFlag, 0, 0}}},
  });
}

class FastExit : public ModeTest {};

TEST_P(FastExit, CommandLineWithAndWithoutAnInstance) {
  ResetSystem(GetParam());
  EXPECT_EQ(0u, RunCommand("LogOff", nullptr, FixturePath("exitrec\\napkey.exe")));
  EXPECT_EQ(std::vector<std::string>{"ExitWindowsEx 0x0"}, ExitRequests());

  ASSERT_TRUE(Start(nullptr, kRecording));
  EXPECT_EQ(0u, RunCommand("shutdown", nullptr, FixturePath("exitrec\\napkey.exe")));
  EXPECT_EQ(std::vector<std::string>{"ExitWindowsEx 0x1"}, ExitRequests());
  if (Nt()) {
    ASSERT_TRUE(Alive());
    EXPECT_TRUE(Exit());
  } else {
    EXPECT_EQ(0u, napkey.WaitExit()) << "the running instance was told to close";
  }
}

TEST_P(FastExit, RestartWindows95StartsItsAuxiliaryProgram) {
  ASSERT_TRUE(Start("[Fast Exit]\r\nFastExitOpt=1\r\n", kRecording));
  ASSERT_TRUE(CopyFileA(TestSaverPath().c_str(), WindowsFile("NAPRST16.EXE").c_str(), FALSE));
  Post(WM_NAPKEY_FAST_EXIT);
  ASSERT_TRUE(harness::WaitUntil([] { return !harness::ReadLines(WindowsFile("naprst16.log")).empty(); }, 20000));
  const std::vector<std::string> started = harness::ReadLines(WindowsFile("naprst16.log"));
  ASSERT_EQ(1u, started.size());
  EXPECT_NE(std::string::npos, started[0].find("NAPRST16.EXE Restart")) << started[0];
  EXPECT_TRUE(ExitRequests().empty());
  EXPECT_TRUE(Exit());
}

INSTANTIATE_TEST_SUITE_P(Windows, FastExit, ::testing::Values("win95", "nt40"));

}  // namespace
