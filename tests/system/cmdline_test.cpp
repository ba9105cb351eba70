// napkey.exe with one word on its command line: acts and ends with 0,
// without a window of its own, with and without a running instance.
#include <gtest/gtest.h>

#include "app/cmdline.h"
#include "driver.h"
#include "msgspy.h"

namespace {

using driver::Napkey;

constexpr UINT kToggleSaver = 0x8000 + 13;
constexpr UINT kStartSaver = 0x8000 + 14;

class CommandLine : public ::testing::Test {
 protected:
  void SetUp() override {
    driver::ResetSystem("win95");
    driver::MarkStartedBefore();
  }
  void TearDown() override { driver::ResetSystem("win95"); }

  // Runs napkey.exe with `arguments`; answers a help box if one comes.
  // Returns the exit code; *helpShown tells whether the help box came.
  static DWORD Run(const char* arguments, bool* helpShown = nullptr, const std::string& exe = std::string()) {
    Napkey napkey;
    if (!napkey.Start(arguments, exe)) return 99;
    bool help = false;
    harness::WaitUntil(
        [&] {
          HWND box = nullptr;
          for (HWND window : harness::TopLevelWindows(napkey.Pid()))
            if (harness::ClassName(window) == "#32770") box = window;
          if (box) {
            EXPECT_EQ(kCommandLineHelpText, harness::ReadMessageBox(box).text);
            EXPECT_EQ("Drowsel/Plus", harness::WindowText(box));
            harness::PressButton(box, IDOK);
            help = true;
          }
          return !napkey.Running();
        },
        10000);
    EXPECT_EQ(nullptr, napkey.WaitMainWindow(1)) << arguments << " made a main window";
    if (helpShown) *helpShown = help;
    return napkey.WaitExit(1000);
  }
};

TEST_F(CommandLine, OffAndOnInAnyCaseWithoutAnInstance) {
  for (const char* word : {"off", "OFF", "Off"}) {
    driver::SetSaverFlag(true);
    bool help = true;
    EXPECT_EQ(0u, Run(word, &help)) << word;
    EXPECT_FALSE(help) << word;
    EXPECT_FALSE(driver::SystemSaverActive()) << word << " disables the saver";
  }
  for (const char* word : {"on", "ON", "oN"}) {
    driver::SetSaverFlag(false);
    bool help = true;
    EXPECT_EQ(0u, Run(word, &help)) << word;
    EXPECT_FALSE(help) << word;
    EXPECT_TRUE(driver::SystemSaverActive()) << word << " enables the saver";
  }
}

TEST_F(CommandLine, AnythingButTheWholeKeywordShowsTheOptions) {
  for (const char* arguments : {"off ", "/off", "\"off\"", "off now", "offf", "nonsense"}) {
    bool help = false;
    EXPECT_EQ(0u, Run(arguments, &help)) << "[" << arguments << "]";
    EXPECT_TRUE(help) << "[" << arguments << "]";
    EXPECT_TRUE(driver::SystemSaverActive()) << "[" << arguments << "] changed nothing";
  }
}

TEST_F(CommandLine, RunningInstanceIsToldToToggleAndOnlyWhenNeeded) {
  Napkey instance;
  ASSERT_TRUE(instance.Start());
  HWND main = instance.WaitMainWindow();
  ASSERT_TRUE(main);
  harness::MessageSpy spy(main);
  ASSERT_TRUE(spy.Ok());

  EXPECT_EQ(0u, Run("on"));
  EXPECT_EQ(0, spy.Count(kToggleSaver)) << "already enabled: nothing sent";

  EXPECT_EQ(0u, Run("OFF"));
  EXPECT_EQ(1, spy.Count(kToggleSaver)) << "the instance toggles its own record";
  EXPECT_FALSE(driver::SystemSaverActive());
  EXPECT_EQ("Enable screen saver", harness::WindowText(GetDlgItem(main, 1001))) << "and its bar follows";

  EXPECT_EQ(0u, Run("off"));
  EXPECT_EQ(1, spy.Count(kToggleSaver)) << "already disabled: nothing sent";

  EXPECT_EQ(0u, Run("On"));
  EXPECT_EQ(2, spy.Count(kToggleSaver));
  EXPECT_TRUE(driver::SystemSaverActive());
  EXPECT_EQ("Disable screen saver", harness::WindowText(GetDlgItem(main, 1001)));
  EXPECT_TRUE(instance.ExitThroughMenu());
  EXPECT_EQ(0, driver::IniInt("Drowsel", "DisableOnStart", -9)) << "the instance's own record followed";
}

TEST_F(CommandLine, NowWithoutAnInstanceAsksTheDesktop) {
  harness::MessageSpy spy(GetDesktopWindow());
  ASSERT_TRUE(spy.Ok()) << "cannot watch the desktop window";
  EXPECT_EQ(0u, Run("now"));
  EXPECT_TRUE(harness::WaitUntil([&] { return spy.Count(WM_SYSCOMMAND, SC_SCREENSAVE, false) == 1; }, 3000))
      << "SC_SCREENSAVE was not sent to the desktop window";
}

TEST_F(CommandLine, NowWithAnInstanceOnWindows95RunsTheSelectedSaver) {
  driver::SelectSaverInSystemIni(driver::TestSaverPath().c_str());
  Napkey instance;
  ASSERT_TRUE(instance.Start());
  HWND main = instance.WaitMainWindow();
  ASSERT_TRUE(main);
  harness::MessageSpy spy(main);

  const DWORD start = GetTickCount();
  EXPECT_EQ(0u, Run("now"));
  EXPECT_LT(GetTickCount() - start, 5000u) << "the call returns at once";
  EXPECT_EQ(1, spy.Count(kStartSaver));
  const std::string log = driver::FixturePath("testsaver.log");
  ASSERT_TRUE(harness::WaitUntil([&] { return !driver::ReadLog(log).empty(); }, 5000)) << "the saver did not start";
  EXPECT_EQ(driver::TestSaverPath() + " /s", driver::ReadLog(log)[0]);
  EXPECT_TRUE(instance.ExitThroughMenu());
}

}  // namespace
