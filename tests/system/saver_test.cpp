// The real program holding, giving back and starting the system's screen saver.
#include <gtest/gtest.h>

#include <string>

#include "driver.h"
#include "msgspy.h"

namespace {

using driver::Napkey;

constexpr UINT kToggleSaver = 0x8000 + 13;
constexpr UINT kStartSaver = 0x8000 + 14;
const char kNoneQuestion[] = "Are you sure you want to select \"(None)\" as your screen saver?";

class SaverControl : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    driver::ResetSystem(GetParam());
    driver::MarkStartedBefore();
  }
  void TearDown() override { driver::ResetSystem(GetParam()); }

  // Starts the program with the test saver selected and the saver enabled.
  HWND StartWithSaver() {
    driver::SelectSaverInSystemIni(driver::TestSaverPath().c_str());
    if (!napkey.Start()) return nullptr;
    return napkey.WaitMainWindow();
  }

  // Holds the saver disabled, then another program sets SCRNSAVE.EXE to
  // `value` and announces it: returns the question box that should follow.
  HWND HoldDisabledThenSelect(HWND main, const char* value) {
    SendMessageA(main, kToggleSaver, 0, 0);
    driver::SelectSaverInSystemIni(value);
    driver::SendWithoutWaiting(main, WM_SETTINGCHANGE, 0, 0);
    return harness::WaitForDialog("Drowsel/Plus", napkey.Pid(), 10000);
  }

  Napkey napkey;
};

TEST_P(SaverControl, ExitWhileHoldingItDisabledGivesItBackAndRemembers) {
  HWND main = StartWithSaver();
  ASSERT_TRUE(main);
  SendMessageA(main, kToggleSaver, 0, 0);
  EXPECT_FALSE(driver::SystemSaverActive());
  ASSERT_TRUE(napkey.ExitThroughMenu());
  EXPECT_TRUE(driver::SystemSaverActive()) << "a selected saver is enabled again at exit";
  EXPECT_EQ(1, driver::IniInt("Drowsel", "DisableOnStart", -9));

  Napkey next;
  ASSERT_TRUE(next.Start());
  ASSERT_TRUE(next.WaitMainWindow());
  EXPECT_FALSE(driver::SystemSaverActive()) << "the next start disables it again";
  EXPECT_TRUE(next.ExitThroughMenu());
}

TEST_P(SaverControl, SettingsBroadcastThatReenablesIsUndoneAtOnce) {
  HWND main = StartWithSaver();
  ASSERT_TRUE(main);
  SendMessageA(main, kToggleSaver, 0, 0);
  ASSERT_FALSE(driver::SystemSaverActive());
  // Another program turns the saver on and tells everybody.
  SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, TRUE, nullptr, SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE);
  driver::BroadcastSettingChange();
  harness::PumpFor(200);
  EXPECT_FALSE(driver::SystemSaverActive()) << "disabled again without waiting for the watchdog";
  EXPECT_EQ(driver::TestSaverPath(), driver::SaverInSystemIni());
  EXPECT_TRUE(napkey.ExitThroughMenu());
  EXPECT_EQ(1, driver::IniInt("Drowsel", "DisableOnStart", -9)) << "still held disabled at exit";
}

TEST_P(SaverControl, NoneSelectedElsewhereAsksAndNoPutsTheSaverBack) {
  HWND main = StartWithSaver();
  ASSERT_TRUE(main);
  HWND box = HoldDisabledThenSelect(main, "(None)");
  ASSERT_TRUE(box);
  const harness::MessageBoxInfo info = harness::ReadMessageBox(box);
  EXPECT_EQ(kNoneQuestion, info.text);
  EXPECT_EQ(IDNO, info.defaultButton);
  EXPECT_EQ(main, info.owner);
  harness::PressButton(box, IDNO);
  // Windows 95 gets the short (8.3) form of the path.
  std::string expected = driver::TestSaverPath();
  if (std::string(GetParam()) == "win95") {
    char shortPath[MAX_PATH];
    ASSERT_GT(GetShortPathNameA(expected.c_str(), shortPath, MAX_PATH), 0u);
    expected = shortPath;
  }
  EXPECT_TRUE(harness::WaitUntil([&] { return driver::SaverInSystemIni() == expected; }, 5000))
      << "the remembered saver was not written back: " << driver::SaverInSystemIni();
  EXPECT_FALSE(driver::SystemSaverActive()) << "and it stays disabled";
  EXPECT_TRUE(napkey.ExitThroughMenu());
  EXPECT_TRUE(driver::SystemSaverActive()) << "the saver is still known, so exit gives it back";
}

TEST_P(SaverControl, NoneSelectedElsewhereAndYesForgetsTheSaver) {
  HWND main = StartWithSaver();
  ASSERT_TRUE(main);
  HWND box = HoldDisabledThenSelect(main, "(none)");
  ASSERT_TRUE(box);
  harness::PressButton(box, IDYES);
  harness::PumpFor(300);
  EXPECT_EQ("(none)", driver::SaverInSystemIni());
  EXPECT_TRUE(napkey.ExitThroughMenu());
  EXPECT_FALSE(driver::SystemSaverActive()) << "no saver to give back: the system's flag was taken as it was";
}

TEST_P(SaverControl, NoneSelectedWhileEnabledAsksNothing) {
  HWND main = StartWithSaver();
  ASSERT_TRUE(main);
  driver::SelectSaverInSystemIni("(None)");
  SendMessageA(main, WM_SETTINGCHANGE, 0, 0);
  EXPECT_EQ(nullptr, harness::WaitForDialog("Drowsel/Plus", napkey.Pid(), 500));
  EXPECT_TRUE(napkey.ExitThroughMenu());
}

TEST_P(SaverControl, RunNowWithoutASaverNamesThePlatformsWay) {
  ASSERT_TRUE(napkey.Start());
  HWND main = napkey.WaitMainWindow();
  ASSERT_TRUE(main);
  PostMessageA(main, kStartSaver, 0, 0);
  HWND box = harness::WaitForDialog("Run screen saver", napkey.Pid(), 10000);
  ASSERT_TRUE(box);
  const std::string way =
      driver::LevelOf(GetParam()) >= 4 ? "change Display Properties" : "Control Panel / Desktop";
  EXPECT_EQ("No screen saver is selected.  Use \"Screen Saver Properties\" or " + way + " to select a screen saver.",
            harness::ReadMessageBox(box).text);
  harness::PressButton(box, IDOK);
  EXPECT_TRUE(napkey.ExitThroughMenu());
}

TEST_P(SaverControl, RunNowStartsTheSaverOrAsksWindowsNT) {
  HWND main = StartWithSaver();
  ASSERT_TRUE(main);
  harness::MessageSpy spy(main);
  ASSERT_TRUE(spy.Ok());
  SendMessageA(main, kStartSaver, 0, 0);
  const std::string log = driver::FixturePath("testsaver.log");
  const bool nt = std::string(GetParam()) == "nt40" || std::string(GetParam()) == "win10" ||
                  std::string(GetParam()) == "nt351";
  if (nt) {
    // Windows NT starts its own configured saver: the program asks, it does
    // not start a process (the mouse rests on this display).
    EXPECT_EQ(1, spy.Count(WM_SYSCOMMAND, SC_SCREENSAVE, false));
    harness::PumpFor(300);
    EXPECT_TRUE(driver::ReadLog(log).empty());
  } else {
    EXPECT_EQ(0, spy.Count(WM_SYSCOMMAND, SC_SCREENSAVE, false));
    ASSERT_TRUE(harness::WaitUntil([&] { return !driver::ReadLog(log).empty(); }, 5000));
    EXPECT_EQ(driver::TestSaverPath() + " /s", driver::ReadLog(log)[0]);
  }
  EXPECT_TRUE(napkey.ExitThroughMenu());
}

TEST_P(SaverControl, RunNowWithAMissingSaverReportsCreateProcess) {
  if (std::string(GetParam()) != "win95" && std::string(GetParam()) != "win31")
    GTEST_SKIP() << "Windows NT starts its saver through SC_SCREENSAVE, not a process";
  const std::string missing = driver::FixturePath("missing.scr");
  driver::SelectSaverInSystemIni(missing.c_str());
  ASSERT_TRUE(napkey.Start());
  HWND main = napkey.WaitMainWindow();
  ASSERT_TRUE(main);
  PostMessageA(main, kStartSaver, 0, 0);
  HWND box = harness::WaitForDialog("Drowsel/Plus", napkey.Pid(), 10000);
  ASSERT_TRUE(box);
  const std::string text = harness::ReadMessageBox(box).text;
  EXPECT_EQ(0u, text.find("Program Error:  Cannot Run screen saver.\n\nPlease report")) << text;
  EXPECT_NE(std::string::npos, text.find("CreateProcess failed; error # 2:\n")) << text;
  EXPECT_GT(text.size(), text.find("error # 2:\n") + 11) << "the system's text follows";
  harness::PressButton(box, IDOK);
  EXPECT_TRUE(napkey.ExitThroughMenu());
}

INSTANTIATE_TEST_SUITE_P(Windows, SaverControl, ::testing::Values("win95", "nt40", "win10", "win31"));

}  // namespace
