// The main window's menu, its system Close and the About box, on the real program.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver.h"
#include "msgspy.h"

namespace {

using driver::Napkey;

constexpr UINT kPopupMenuMessage = 0x8000 + 17;
constexpr UINT kShowBarCommand = 40013;

class MainWindow : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override { driver::ResetSystem(GetParam()); }
  void TearDown() override { driver::ResetSystem(GetParam()); }

  // Starts with a recorded earlier start (no Quick Help) and extra INI lines.
  HWND StartWith(const char* ini = nullptr) {
    if (ini) driver::ResetSystem(GetParam(), ini);
    driver::MarkStartedBefore();
    if (!napkey.Start()) return nullptr;
    return napkey.WaitMainWindow();
  }

  Napkey napkey;
};

TEST_P(MainWindow, SystemCloseAsksAndNoKeepsItRunning) {
  HWND main = StartWith();
  ASSERT_TRUE(main);
  PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
  HWND box = harness::WaitForDialog("Drowsel/Plus", napkey.Pid(), 10000);
  ASSERT_TRUE(box);
  harness::MessageBoxInfo info = harness::ReadMessageBox(box);
  EXPECT_EQ("Are you sure you want to exit Drowsel/Plus?", info.text);
  EXPECT_EQ(main, info.owner);
  EXPECT_EQ(IDNO, info.defaultButton) << "No is the default answer";
  harness::PressButton(box, IDNO);
  harness::PumpFor(300);
  EXPECT_TRUE(napkey.Running());

  PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
  box = harness::WaitForDialog("Drowsel/Plus", napkey.Pid(), 10000);
  ASSERT_TRUE(box);
  harness::PressButton(box, IDYES);
  EXPECT_EQ(0u, napkey.WaitExit());
  EXPECT_TRUE(driver::IniHas("ButtonBar", "Show")) << "settings saved on the way out";
}

TEST_P(MainWindow, AboutShowsVersionAndPlatform) {
  HWND main = StartWith();
  ASSERT_TRUE(main);
  PostMessageA(main, WM_COMMAND, 40001, 0);
  HWND about = harness::WaitForDialog("About Napkey+", napkey.Pid(), 10000);
  ASSERT_TRUE(about);
  EXPECT_EQ("Drowsel/Plus\nScreen Saver Control Utility", harness::WindowText(GetDlgItem(about, 1023)));
  EXPECT_EQ("Ver. 4.10", harness::WindowText(GetDlgItem(about, 1032)));
  EXPECT_EQ("for Windows 95 && NT", harness::WindowText(GetDlgItem(about, 1033)));
  harness::PressButton(about, IDOK);
  EXPECT_TRUE(harness::WaitUntil([&] { return !IsWindowVisible(about); }, 5000));
  EXPECT_TRUE(napkey.ExitThroughMenu());
}

struct MenuItem {
  std::string text;
  bool greyed = false;
  bool found = false;
};

// Opens the popup menu through its message, reads its items as shown, and
// closes it again as a user would, with Esc.
std::vector<harness::SpiedMenuItem> ShowPopup(HWND main, DWORD pid) {
  harness::MessageSpy spy(main);
  EXPECT_TRUE(spy.Ok()) << "menu spy not hooked";
  PostMessageA(main, kPopupMenuMessage, 0, 0);
  std::vector<harness::SpiedMenuItem> items;
  EXPECT_TRUE(spy.WaitForPopup(10000, &items)) << "no popup menu opened";
  HWND menuWindow = nullptr;
  harness::WaitUntil(
      [&] {
        for (HWND window : harness::TopLevelWindows(pid))
          if (harness::ClassName(window) == "#32768") menuWindow = window;
        return menuWindow != nullptr;
      },
      5000);
  if (menuWindow) {
    PostMessageA(menuWindow, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(harness::WaitUntil([&] { return !IsWindowVisible(menuWindow); }, 5000)) << "menu did not close";
  }
  return items;
}

MenuItem ReadPopupItem(HWND main, DWORD pid, UINT command) {
  MenuItem item;
  for (const harness::SpiedMenuItem& spied : ShowPopup(main, pid))
    if (spied.id == command) {
      item.found = true;
      item.text = spied.text;
      item.greyed = (spied.state & MF_GRAYED) != 0;
    }
  return item;
}

TEST_P(MainWindow, PopupMenuItemsInOrder) {
  HWND main = StartWith();
  ASSERT_TRUE(main);
  std::string shown;
  for (const harness::SpiedMenuItem& item : ShowPopup(main, napkey.Pid()))
    shown += (item.state & MF_SEPARATOR) ? std::string("-|") : std::to_string(item.id) + " " + item.text + "|";
  EXPECT_EQ("40007 &Screen Saver Properties...|40006 &Run Screen Saver Now|-|40012 &Customize...|"
            "40013 Hide Button Bar|-|40004 &Help|40011 &Quick Help|40001 &About|-|40010 &Windows Exit...|"
            "40003 E&xit Drowsel/Plus|",
            shown);
  EXPECT_TRUE(napkey.ExitThroughMenu());
}

TEST_P(MainWindow, HideButtonBarIsGreyedWhenNoIconWouldRemain) {
  HWND main = StartWith("[TaskbarIcon]\r\nShow=0\r\n[FastExitTaskbarIcon]\r\nShow=0\r\n");
  ASSERT_TRUE(main);
  const MenuItem item = ReadPopupItem(main, napkey.Pid(), kShowBarCommand);
  ASSERT_TRUE(item.found);
  EXPECT_EQ("Hide Button Bar", item.text);
  EXPECT_TRUE(item.greyed);
  EXPECT_TRUE(napkey.ExitThroughMenu());
}

TEST_P(MainWindow, HideButtonBarIsOfferedWhileAnIconRemains) {
  HWND main = StartWith("[TaskbarIcon]\r\nShow=0\r\n");
  ASSERT_TRUE(main);
  const MenuItem item = ReadPopupItem(main, napkey.Pid(), kShowBarCommand);
  ASSERT_TRUE(item.found);
  EXPECT_EQ("Hide Button Bar", item.text);
  if (driver::LevelOf(GetParam()) < 4) {
    EXPECT_TRUE(item.greyed) << "without a notification area the bar must stay";
    EXPECT_TRUE(napkey.ExitThroughMenu());
    return;
  }
  EXPECT_FALSE(item.greyed);

  // Hiding the bar is remembered; the menu then offers to show it again.
  SendMessageA(main, WM_COMMAND, kShowBarCommand, 0);
  const MenuItem after = ReadPopupItem(main, napkey.Pid(), kShowBarCommand);
  EXPECT_EQ("Show &Button Bar", after.text);
  EXPECT_FALSE(after.greyed);
  EXPECT_TRUE(napkey.ExitThroughMenu());
  EXPECT_EQ(0, driver::IniInt("ButtonBar", "Show", -9));
}

INSTANTIATE_TEST_SUITE_P(Windows, MainWindow, ::testing::Values("win95", "nt40", "win10", "win31", "nt351"));

}  // namespace

namespace {

class Robustness : public ::testing::Test {
 protected:
  void SetUp() override {
    driver::ResetSystem("win10");
    driver::MarkStartedBefore();
  }
  void TearDown() override { driver::ResetSystem("win10"); }
};

TEST_F(Robustness, UnreadableOptionsRecordIsRefusedAndTheOldOnesStay) {
  driver::Napkey napkey;
  ASSERT_TRUE(napkey.Start());
  HWND main = napkey.WaitMainWindow();
  ASSERT_TRUE(main);
  PostMessageA(main, 0x8000 + 10, 0, 16);  // an address nobody can read
  HWND box = harness::WaitForDialog("Drowsel/Plus", napkey.Pid(), 10000);
  ASSERT_TRUE(box);
  const harness::MessageBoxInfo info = harness::ReadMessageBox(box);
  EXPECT_EQ(0u, info.text.find("Program Error:  Invalid options applied -- bad pointer.\n\nPlease report"))
      << info.text;
  EXPECT_EQ(main, info.owner);
  EXPECT_TRUE(info.hasIcon);
  harness::PressButton(box, IDOK);
  EXPECT_TRUE(napkey.ExitThroughMenu());
  EXPECT_EQ(15, driver::IniInt("ButtonBar", "Selection", -9)) << "the options in force were kept";
}

}  // namespace
