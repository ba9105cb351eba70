// The real program holding, giving back and starting the system's screen
// saver, and Fast Exit (with the napkey.exe that records its exit requests
// instead of making them: a test must not end the session it runs in).
#include "driver.h"
#include "input.h"

namespace {

using namespace driver;

class SaverControl : public ModeTest {};

// Held disabled, the saver stays so whatever another program announces; exit
// gives it back, and the next start takes it again.
TEST_P(SaverControl, HeldDisabledAgainstBroadcastsAndAcrossARestart) {
  ASSERT_TRUE(Start(nullptr, kWithSaver));
  Send(WM_NAPKEY_TOGGLE_SAVER);
  ASSERT_FALSE(SystemSaverActive());
  AnotherProgramSetsSaverFlag(true);
  EXPECT_FALSE(SystemSaverActive()) << "disabled again without waiting for the watchdog";
  EXPECT_EQ(TestSaverPath(), SaverInSystemIni());
  ASSERT_TRUE(Exit());
  EXPECT_TRUE(SystemSaverActive()) << "a selected saver is enabled again at exit";
  EXPECT_EQ(1, IniInt("Drowsel", "DisableOnStart"));
  ASSERT_TRUE(Start(nullptr, kKeepState));
  EXPECT_FALSE(SystemSaverActive()) << "the next start disables it again";
  ASSERT_TRUE(Exit());
  EXPECT_EQ(1, IniInt("Drowsel", "DisableOnStart"));
}

// Another program selects "(None)" while the saver is held disabled: the
// program asks; No puts the saver back, Yes lets it go.
TEST_P(SaverControl, NoneSelectedElsewhereAsks) {
  char shortPath[MAX_PATH];
  ASSERT_GT(GetShortPathNameA(TestSaverPath().c_str(), shortPath, MAX_PATH), 0u);
  // Windows 95 gets the short (8.3) form of the path.
  const std::string kept = GetParam() == std::string("win95") ? shortPath : TestSaverPath();
  for (int answer : {IDNO, IDYES}) {
    ASSERT_TRUE(Start(nullptr, kWithSaver));
    Send(WM_NAPKEY_TOGGLE_SAVER);
    SelectSaverInSystemIni(answer == IDNO ? "(None)" : "(none)");
    DWORD_PTR result;
    SendMessageTimeoutA(main, WM_SETTINGCHANGE, 0, 0, SMTO_NORMAL, 200, &result);
    const harness::MessageBoxInfo box = Box();
    EXPECT_EQ("Are you sure you want to select \"(None)\" as your screen saver?", box.text);
    EXPECT_EQ(IDNO, box.defaultButton);
    EXPECT_EQ(main, box.owner);
    Answer(box.window, answer);
    ASSERT_TRUE(Alive());
    EXPECT_EQ(answer == IDNO ? kept : "(none)", SaverInSystemIni());
    EXPECT_FALSE(SystemSaverActive()) << "and it stays disabled";
    ASSERT_TRUE(Exit());
    EXPECT_EQ(answer == IDNO, SystemSaverActive()) << "exit gives back only a saver still known";
  }
}

TEST_P(SaverControl, NoneSelectedWhileEnabledAsksNothing) {
  ASSERT_TRUE(Start(nullptr, kWithSaver));
  SelectSaverInSystemIni("(None)");
  DWORD_PTR result;
  SendMessageTimeoutA(main, WM_SETTINGCHANGE, 0, 0, SMTO_NORMAL, 200, &result);
  ASSERT_TRUE(Alive());  // a box would be open by now, its loop having taken the marker
  EXPECT_EQ(nullptr, harness::WaitForDialog("Drowsel/Plus", napkey.Pid(), 0));
  EXPECT_TRUE(Exit());
}

TEST_P(SaverControl, RunNowStartsTheSaverOrAsksWindowsNT) {
  ASSERT_TRUE(Start(nullptr, kWithSaver));
  Send(WM_NAPKEY_START_SAVER);
  if (Nt()) {
    // Windows NT starts its own configured saver: the program asks the
    // system (the mouse rests on this display) and starts no process.
    EXPECT_EQ(1, spy->Count(WM_SYSCOMMAND, SC_SCREENSAVE, false));
    ASSERT_TRUE(Alive());
    EXPECT_TRUE(SaverLog().empty());
  } else {
    EXPECT_EQ(0, spy->Count(WM_SYSCOMMAND, SC_SCREENSAVE, false));
    ASSERT_TRUE(harness::WaitUntil([] { return !SaverLog().empty(); }, 20000));
    EXPECT_EQ(TestSaverPath() + " /s", SaverLog()[0]);
  }
  EXPECT_TRUE(Exit());
}

INSTANTIATE_TEST_SUITE_P(Windows, SaverControl, ::testing::Values("win95", "nt40", "win10", "win31"));

const char kChoice[] = "Get Out Of Windows NOW!";

class FastExit : public ModeTest {};

TEST_P(FastExit, ChoiceDialogPerPlatformAndCancelling) {
  ASSERT_TRUE(Start(nullptr, kRecording));
  Post(WM_NAPKEY_FAST_EXIT, 1);  // as the menu's "&Windows Exit..."
  HWND choice = Dialog(kChoice);
  ASSERT_TRUE(choice);
  const struct {
    int id;
    bool ntEnabled;
  } kButtons[] = {{IDC_FAST_EXIT_SHUTDOWN, true},     {IDC_FAST_EXIT_REBOOT, true}, {IDC_FAST_EXIT_LOGOFF, true},
                  {IDC_FAST_EXIT_RESTART95, false},   {IDC_FAST_EXIT_DOS, false},   {IDC_FAST_EXIT_HELP, true},
                  {IDCANCEL, true}};
  for (const auto& button : kButtons) {
    HWND control = GetDlgItem(choice, button.id);
    ASSERT_TRUE(control) << button.id;
    EXPECT_EQ(!Nt() || button.ntEnabled, IsWindowEnabled(control) != FALSE) << button.id;
    EXPECT_NE(BS_DEFPUSHBUTTON, GetWindowLongA(control, GWL_STYLE) & 0x0F) << "no default button: " << button.id;
  }
  EXPECT_EQ(GetDlgItem(choice, Nt() ? IDC_FAST_EXIT_LOGOFF : IDC_FAST_EXIT_SHUTDOWN), harness::FocusOf(choice));
  Answer(choice, IDCANCEL);
  ASSERT_TRUE(Alive());
  EXPECT_TRUE(IniHas("ButtonBar", "Show")) << "settings are saved even when cancelled";

  Post(WM_NAPKEY_FAST_EXIT, 1);
  choice = Dialog(kChoice);
  PostMessageA(choice, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(harness::WaitUntil([&] { return !IsWindowVisible(choice); }, 20000)) << "Esc cancels too";
  ASSERT_TRUE(Alive());
  EXPECT_TRUE(ExitRequests().empty());
  EXPECT_TRUE(Exit());
}

TEST_P(FastExit, ClosedWhileTheChoiceIsOpenKeepsTheSaverDisabledForTheNextStart) {
  ASSERT_TRUE(Start(nullptr, kRecording | kWithSaver));
  Send(WM_NAPKEY_TOGGLE_SAVER);
  Post(WM_NAPKEY_FAST_EXIT, 1);
  ASSERT_TRUE(Dialog(kChoice));
  Post(WM_CLOSE);
  EXPECT_EQ(0u, napkey.WaitExit());
  EXPECT_EQ(1, IniInt("Drowsel", "DisableOnStart"));
  EXPECT_TRUE(ExitRequests().empty());
}

TEST_P(FastExit, RequestsWithoutForceAndWindows95ClosesItself) {
  const struct {
    const char* label;
    const char* ini;
    const char* refuse;
    int choose;  // the choice dialog's button, or 0 for the configured action
    const char* request;
  } kCases[] = {{"log off from the choice", nullptr, nullptr, IDC_FAST_EXIT_LOGOFF, "ExitWindowsEx 0x0"},
                {"configured restart", "[Fast Exit]\r\nFastExitOpt=2\r\n", nullptr, 0, "ExitWindowsEx 0x2"},
                {"refused shutdown", "[Fast Exit]\r\nFastExitOpt=4\r\n", "exit", 0, "ExitWindowsEx 0x1"}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.label);
    ASSERT_TRUE(Start(c.ini, kRecording));
    if (c.refuse) RefuseInRecorder(c.refuse);
    Post(WM_NAPKEY_FAST_EXIT, c.choose ? 1 : 0);
    if (c.choose) Answer(Dialog(kChoice), c.choose);
    ASSERT_TRUE(harness::WaitUntil([] { return !ExitRequests().empty(); }, 20000));
    EXPECT_EQ(std::vector<std::string>{c.request}, ExitRequests());
    if (Nt() || c.refuse) {
      // Windows NT ends the programs itself; a refusal says nothing.
      ASSERT_TRUE(Alive());
      EXPECT_EQ(nullptr, harness::WaitForDialog("Drowsel/Plus", napkey.Pid(), 0));
      EXPECT_TRUE(Exit());
    } else {
      EXPECT_EQ(0u, napkey.WaitExit()) << "on Windows 95 the program closes itself";
      EXPECT_TRUE(IniHas("Drowsel", "DisableOnStart"));
    }
  }
}

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
