// Start-up and shutdown of the real program, in each Windows version Wine
// can pretend to be.
#include <gtest/gtest.h>

#include "app/cmdline.h"
#include "driver.h"

namespace {

using driver::Napkey;

class Startup : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override { driver::ResetSystem(GetParam()); }
  void TearDown() override { driver::ResetSystem(GetParam()); }
};

TEST_P(Startup, QuickHelpOnTheVeryFirstStartOnly) {
  {
    Napkey first;
    ASSERT_TRUE(first.Start());
    ASSERT_TRUE(first.DismissQuickHelp()) << "no \"Welcome to Drowsel/Plus!\" on a first start";
    ASSERT_TRUE(first.WaitMainWindow());
    EXPECT_TRUE(first.ExitThroughMenu());
  }
  Napkey second;
  ASSERT_TRUE(second.Start());
  ASSERT_TRUE(second.WaitMainWindow());
  EXPECT_EQ(nullptr, harness::WaitForDialog("Welcome to Drowsel/Plus!", second.Pid(), 1500));
  EXPECT_TRUE(second.ExitThroughMenu());
}

TEST_P(Startup, ExitWritesEveryKeyOfEverySection) {
  driver::MarkStartedBefore();
  Napkey napkey;
  ASSERT_TRUE(napkey.Start());
  ASSERT_TRUE(napkey.WaitMainWindow());
  ASSERT_TRUE(napkey.ExitThroughMenu());

  const struct {
    const char* section;
    const char* keys[8];
  } kSections[] = {
      {"FastExitTaskbarIcon", {"Show", "ExitOnSingleClick"}},
      {"TaskbarIcon", {"Show", "SingleClick", "DoubleClick"}},
      {"ButtonBar", {"Show", "OnTop", "ButtonSize", "SpaceBetween", "Border", "Tooltips", "Selection"}},
      {"Fast Exit", {"FastExitOpt"}},
      {"Hot Keys", {"StartSS", "BringToFg", "FastExit", "ToggleSS", "Menu", "SSPropsDlg", "Customize"}},
      {"Position", {"X", "Y", "Edge", "Orient"}},
      {"Drowsel", {"DisableOnStart", "StartSSOnStart"}},
  };
  for (const auto& section : kSections)
    for (const char* key : section.keys)
      if (key) EXPECT_TRUE(driver::IniHas(section.section, key)) << "[" << section.section << "] " << key;

  const int icons = driver::LevelOf(GetParam()) >= 4 ? 1 : 0;
  EXPECT_EQ(icons, driver::IniInt("TaskbarIcon", "Show", -9)) << "taskbar icons need level 4";
  EXPECT_EQ(icons, driver::IniInt("FastExitTaskbarIcon", "Show", -9));
  EXPECT_EQ(1, driver::IniInt("ButtonBar", "Show", -9));
  EXPECT_EQ(15, driver::IniInt("ButtonBar", "Selection", -9));
  EXPECT_EQ(-1, driver::IniInt("Position", "X", -9));
  EXPECT_EQ(0, driver::IniInt("Drowsel", "DisableOnStart", -9)) << "the saver was enabled at exit";
}

TEST_P(Startup, SecondStartShowsAlreadyRunningOwnedByTheFirst) {
  driver::MarkStartedBefore();
  Napkey first;
  ASSERT_TRUE(first.Start());
  HWND main = first.WaitMainWindow();
  ASSERT_TRUE(main);

  Napkey second;
  ASSERT_TRUE(second.Start());
  HWND box = harness::WaitForDialog("Drowsel/Plus", second.Pid(), 10000);
  ASSERT_TRUE(box) << "no message box from the second instance";
  const harness::MessageBoxInfo info = harness::ReadMessageBox(box);
  EXPECT_EQ("Drowsel/Plus is already running!", info.text);
  EXPECT_EQ(main, info.owner);
  EXPECT_TRUE(info.hasIcon);
  harness::PressButton(box, IDOK);
  EXPECT_EQ(0u, second.WaitExit());
  EXPECT_EQ(nullptr, second.WaitMainWindow(200)) << "the second process made no main window";
  EXPECT_TRUE(first.Running());
  EXPECT_TRUE(first.ExitThroughMenu());
}

TEST_P(Startup, AnyArgumentEndsWithoutAWindow) {
  Napkey napkey;
  ASSERT_TRUE(napkey.Start("nonsense"));
  HWND box = harness::WaitForDialog("Drowsel/Plus", napkey.Pid(), 10000);
  ASSERT_TRUE(box);
  EXPECT_EQ(kCommandLineHelpText, harness::ReadMessageBox(box).text);
  EXPECT_EQ(nullptr, napkey.WaitMainWindow(100));
  harness::PressButton(box, IDOK);
  EXPECT_EQ(0u, napkey.WaitExit());
  EXPECT_FALSE(driver::IniHas("Drowsel", "DisableOnStart")) << "a command line is not a start of the program";
}

TEST_P(Startup, DisabledSaverAtExitIsDisabledAgainAtNextStart) {
  driver::MarkStartedBefore();
  {
    Napkey napkey;
    ASSERT_TRUE(napkey.Start());
    HWND main = napkey.WaitMainWindow();
    ASSERT_TRUE(main);
    SendMessageA(main, 0x8000 + 13, 0, 0);  // enable/disable the screen saver
    ASSERT_TRUE(napkey.ExitThroughMenu());
  }
  EXPECT_EQ(1, driver::IniInt("Drowsel", "DisableOnStart", -9));

  // The flag is seen only by processes started after the change (Wine), so
  // a fresh helper process reads it: here, the next napkey.exe itself.
  Napkey next;
  ASSERT_TRUE(next.Start());
  HWND main = next.WaitMainWindow();
  ASSERT_TRUE(main);
  ASSERT_TRUE(next.ExitThroughMenu());
  EXPECT_EQ(1, driver::IniInt("Drowsel", "DisableOnStart", -9)) << "still disabled when the second run ended";
}

INSTANTIATE_TEST_SUITE_P(Windows, Startup, ::testing::Values("win95", "nt40", "win10", "win31", "nt351"));

}  // namespace
