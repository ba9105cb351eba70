// Fast Exit on the real program. The napkey.exe used here records its
// ExitWindowsEx requests instead of making them (exitrecorder.cpp): a test
// must not end the session it runs in. Everything else is the real thing.
#include <gtest/gtest.h>

#include <string>

#include "driver.h"

namespace {

using driver::Napkey;

constexpr UINT kFastExit = 0x8000 + 16;
const char kChoiceCaption[] = "Get Out Of Windows NOW!";

std::string WindowsFile(const char* name) {
  char directory[MAX_PATH];
  GetWindowsDirectoryA(directory, MAX_PATH);
  return std::string(directory) + "\\" + name;
}

std::vector<std::string> ExitRequests() { return driver::ReadLog(driver::FixturePath("exitrec\\exitrequests.log")); }

void CreateMarker(const char* name) {
  FILE* file = fopen(driver::FixturePath(name).c_str(), "wb");
  ASSERT_NE(nullptr, file);
  fclose(file);
}

class FastExit : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    driver::ResetSystem(GetParam());
    driver::MarkStartedBefore();
  }
  void TearDown() override { driver::ResetSystem(GetParam()); }

  bool Nt() const { return std::string(GetParam()) != "win95"; }

  HWND Start(const char* ini = nullptr) {
    if (ini) {
      driver::ResetSystem(GetParam(), ini);
      driver::MarkStartedBefore();
    }
    if (!napkey.Start("", driver::RecordingNapkeyExe())) return nullptr;
    return napkey.WaitMainWindow();
  }

  // Opens the choice dialog as the menu's "&Windows Exit..." does.
  HWND OpenChoice(HWND main) {
    PostMessageA(main, kFastExit, 1, 0);
    return harness::WaitForDialog(kChoiceCaption, napkey.Pid(), 10000);
  }

  Napkey napkey;
};

TEST_P(FastExit, ChoiceDialogButtonsAndFocusPerPlatform) {
  HWND main = Start();
  ASSERT_TRUE(main);
  HWND choice = OpenChoice(main);
  ASSERT_TRUE(choice);
  const struct {
    int id;
    const char* text;
    bool ntEnabled;
  } kButtons[] = {{1501, "&Shutdown", true},           {1502, "Restart &Computer", true}, {1503, "&Log Off", true},
                  {1504, "&Restart Windows 95", false}, {1505, "Exit to MS-DOS", false},   {1015, "&Help", true},
                  {IDCANCEL, "Cancel", true}};
  for (const auto& button : kButtons) {
    HWND control = GetDlgItem(choice, button.id);
    ASSERT_TRUE(control) << button.id;
    EXPECT_EQ(button.text, harness::WindowText(control));
    EXPECT_EQ(!Nt() || button.ntEnabled, IsWindowEnabled(control) != FALSE) << button.text;
    EXPECT_NE(BS_DEFPUSHBUTTON, GetWindowLongA(control, GWL_STYLE) & 0x0F) << "no default button: " << button.text;
  }
  EXPECT_EQ(GetDlgItem(choice, Nt() ? 1503 : 1501), driver::FocusOfThread(choice));

  harness::PressButton(choice, IDCANCEL);
  EXPECT_TRUE(harness::WaitUntil([&] { return !IsWindowVisible(choice); }, 5000));
  EXPECT_TRUE(ExitRequests().empty());
  EXPECT_TRUE(harness::WaitUntil([] { return driver::IniHas("ButtonBar", "Show"); }, 3000))
      << "settings are saved even when cancelled";
  EXPECT_TRUE(napkey.Running());
  EXPECT_TRUE(napkey.ExitThroughMenu());
}

TEST_P(FastExit, EscapeCancelsToo) {
  HWND main = Start();
  ASSERT_TRUE(main);
  HWND choice = OpenChoice(main);
  ASSERT_TRUE(choice);
  PostMessageA(choice, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(harness::WaitUntil([&] { return !IsWindowVisible(choice); }, 5000));
  EXPECT_TRUE(ExitRequests().empty());
  EXPECT_TRUE(napkey.ExitThroughMenu());
}

TEST_P(FastExit, LogOffIsRequestedWithoutForceAndWindows95ClosesItself) {
  HWND main = Start();
  ASSERT_TRUE(main);
  HWND choice = OpenChoice(main);
  ASSERT_TRUE(choice);
  harness::PressButton(choice, 1503);
  ASSERT_TRUE(harness::WaitUntil([] { return !ExitRequests().empty(); }, 5000));
  EXPECT_EQ(std::vector<std::string>{"ExitWindowsEx 0x0"}, ExitRequests());
  if (Nt()) {
    harness::PumpFor(300);
    EXPECT_TRUE(napkey.Running()) << "on Windows NT the system itself ends programs";
    EXPECT_TRUE(napkey.ExitThroughMenu());
  } else {
    EXPECT_EQ(0u, napkey.WaitExit()) << "on Windows 95 the program closes itself";
    EXPECT_TRUE(driver::IniHas("Drowsel", "DisableOnStart"));
  }
}

TEST_P(FastExit, ConfiguredActionRunsWithoutTheDialog) {
  HWND main = Start("[Fast Exit]\r\nFastExitOpt=2\r\n");
  ASSERT_TRUE(main);
  PostMessageA(main, kFastExit, 0, 0);
  ASSERT_TRUE(harness::WaitUntil([] { return !ExitRequests().empty(); }, 5000));
  EXPECT_EQ(std::vector<std::string>{"ExitWindowsEx 0x2"}, ExitRequests()) << "restart the computer";
  EXPECT_EQ(nullptr, harness::WaitForDialog(kChoiceCaption, napkey.Pid(), 200));
  if (Nt()) EXPECT_TRUE(napkey.ExitThroughMenu());
}

TEST_P(FastExit, RefusedExitLeavesTheProgramRunning) {
  HWND main = Start("[Fast Exit]\r\nFastExitOpt=4\r\n");
  ASSERT_TRUE(main);
  CreateMarker("exitrec\\exit.refuse");
  PostMessageA(main, kFastExit, 0, 0);
  ASSERT_TRUE(harness::WaitUntil([] { return !ExitRequests().empty(); }, 5000));
  EXPECT_EQ(std::vector<std::string>{"ExitWindowsEx 0x1"}, ExitRequests());
  harness::PumpFor(300);
  EXPECT_TRUE(napkey.Running());
  EXPECT_EQ(nullptr, harness::WaitForDialog("Drowsel/Plus", napkey.Pid(), 100)) << "no message for a refusal";
  EXPECT_TRUE(napkey.ExitThroughMenu());
}

TEST_P(FastExit, ShutdownWithoutThePrivilegeOnWindowsNT) {
  if (!Nt()) GTEST_SKIP() << "Windows 95 needs no privilege";
  HWND main = Start("[Fast Exit]\r\nFastExitOpt=4\r\n");
  ASSERT_TRUE(main);
  CreateMarker("exitrec\\privilege.refuse");
  PostMessageA(main, kFastExit, 0, 0);
  HWND box = harness::WaitForDialog("Drowsel/Plus", napkey.Pid(), 10000);
  ASSERT_TRUE(box);
  EXPECT_EQ("Could not obtain privilege to shut down Windows NT", harness::ReadMessageBox(box).text);
  harness::PressButton(box, IDOK);
  harness::PumpFor(200);
  EXPECT_TRUE(ExitRequests().empty()) << "no request without the privilege";

  // Logging off needs no privilege.
  HWND choice = OpenChoice(main);
  ASSERT_TRUE(choice);
  harness::PressButton(choice, 1503);
  EXPECT_TRUE(harness::WaitUntil([] { return ExitRequests().size() == 1; }, 5000));
  EXPECT_TRUE(napkey.ExitThroughMenu());
}

TEST_P(FastExit, RestartWindows95NeedsItsAuxiliaryProgram) {
  HWND main = Start("[Fast Exit]\r\nFastExitOpt=1\r\n");
  ASSERT_TRUE(main);
  PostMessageA(main, kFastExit, 0, 0);
  HWND box = harness::WaitForDialog("Cannot Restart Windows 95", napkey.Pid(), 10000);
  ASSERT_TRUE(box);
  EXPECT_EQ("Auxiliary file NAPRST16.EXE not found.", harness::ReadMessageBox(box).text);
  harness::PressButton(box, IDOK);

  ASSERT_TRUE(CopyFileA(driver::FixturePath("NAPRST16.EXE").c_str(), WindowsFile("NAPRST16.EXE").c_str(), FALSE));
  PostMessageA(main, kFastExit, 0, 0);
  EXPECT_TRUE(harness::WaitUntil([] { return !driver::ReadLog(WindowsFile("naprst16.log")).empty(); }, 5000));
  const std::vector<std::string> started = driver::ReadLog(WindowsFile("naprst16.log"));
  ASSERT_EQ(1u, started.size());
  EXPECT_NE(std::string::npos, started[0].find("NAPRST16.EXE Restart")) << started[0];
  EXPECT_TRUE(ExitRequests().empty());
  EXPECT_TRUE(napkey.ExitThroughMenu());
}

TEST_P(FastExit, ExitToDosExplainsAMissingPif) {
  HWND main = Start("[Fast Exit]\r\nFastExitOpt=5\r\n");
  ASSERT_TRUE(main);
  PostMessageA(main, kFastExit, 0, 0);
  HWND box = harness::WaitForDialog("Drowsel/Plus", napkey.Pid(), 10000);
  ASSERT_TRUE(box);
  const std::string text = harness::ReadMessageBox(box).text;
  EXPECT_EQ(0u, text.find("Prior to using this program to Exit To DOS, you must have done so at least once before"))
      << text;
  EXPECT_NE(std::string::npos, text.find("typing \"exit\" (without the quotation marks)")) << text;
  harness::PressButton(box, IDOK);
  EXPECT_TRUE(napkey.ExitThroughMenu());
}

TEST_P(FastExit, CommandLineLogoffWithoutAnInstance) {
  Napkey cli;
  ASSERT_TRUE(cli.Start("LogOff", driver::RecordingNapkeyExe()));
  EXPECT_EQ(0u, cli.WaitExit());
  EXPECT_EQ(std::vector<std::string>{"ExitWindowsEx 0x0"}, ExitRequests());
}

TEST_P(FastExit, CommandLineShutdownClosesTheInstanceOnWindows95) {
  HWND main = Start();
  ASSERT_TRUE(main);
  Napkey cli;
  ASSERT_TRUE(cli.Start("shutdown", driver::RecordingNapkeyExe()));
  EXPECT_EQ(0u, cli.WaitExit());
  EXPECT_EQ(std::vector<std::string>{"ExitWindowsEx 0x1"}, ExitRequests());
  if (Nt()) {
    harness::PumpFor(300);
    EXPECT_TRUE(napkey.Running());
    EXPECT_TRUE(napkey.ExitThroughMenu());
  } else {
    EXPECT_EQ(0u, napkey.WaitExit()) << "the running instance was told to close";
  }
}

INSTANTIATE_TEST_SUITE_P(Windows, FastExit, ::testing::Values("win95", "nt40"));

}  // namespace
