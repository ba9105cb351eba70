// The taskbar icons and the hot keys of the real program.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "driver.h"
#include "faketray.h"
#include "input.h"
#include "msgspy.h"

namespace {

using driver::Napkey;

constexpr UINT kSaverIcon = 22766, kFastExitIcon = 22767;
constexpr UINT kSaverIconMessage = 0x8000 + 11, kFastExitIconMessage = 0x8000 + 18;
constexpr UINT kToggle = 0x8000 + 13, kStart = 0x8000 + 14, kProperties = 0x8000 + 15, kFastExit = 0x8000 + 16,
               kMenu = 0x8000 + 17;

class TaskbarIcons : public ::testing::Test {
 protected:
  void TearDown() override { driver::ResetSystem("win95"); }

  HWND Start(const char* ini = nullptr, bool withSaver = false) {
    driver::ResetSystem("win95", ini);
    driver::MarkStartedBefore();
    if (withSaver) driver::SelectSaverInSystemIni(driver::TestSaverPath().c_str());
    if (!napkey.Start()) return nullptr;
    main = napkey.WaitMainWindow();
    if (main) harness::WaitUntil([&] { return tray.Has(kSaverIcon) || tray.Has(kFastExitIcon); }, 3000);
    return main;
  }
  // A click on an icon, as the shell reports it.
  void IconEvent(UINT message, UINT id, UINT mouse) { PostMessageA(main, message, id, mouse); }

  harness::FakeTray tray;
  Napkey napkey;
  HWND main = nullptr;
};

TEST_F(TaskbarIcons, BothIconsWithTheirIdsAndTipsFollowTheState) {
  ASSERT_TRUE(tray.Ok());
  ASSERT_TRUE(Start());
  ASSERT_TRUE(tray.Has(kSaverIcon));
  ASSERT_TRUE(tray.Has(kFastExitIcon));
  EXPECT_EQ(main, tray.Icons().at(kSaverIcon).owner);
  EXPECT_EQ(kSaverIconMessage, tray.Icons().at(kSaverIcon).callback);
  EXPECT_EQ(kFastExitIconMessage, tray.Icons().at(kFastExitIcon).callback);
  EXPECT_EQ("Screen saver is enabled", tray.Tip(kSaverIcon));
  EXPECT_EQ("Double-click to Exit Windows...", tray.Tip(kFastExitIcon));

  SendMessageA(main, kToggle, 0, 0);
  EXPECT_EQ("Screen saver is disabled", tray.Tip(kSaverIcon));
  SendMessageA(main, kToggle, 0, 0);
  EXPECT_EQ("Screen saver is enabled", tray.Tip(kSaverIcon));

  tray.ClearRequests();
  ASSERT_TRUE(napkey.ExitThroughMenu());
  harness::PumpFor(100);
  EXPECT_FALSE(tray.Has(kSaverIcon));
  EXPECT_FALSE(tray.Has(kFastExitIcon)) << "both icons are removed at exit";
}

TEST_F(TaskbarIcons, OptionsChooseTipAndPresence) {
  ASSERT_TRUE(Start("[TaskbarIcon]\r\nShow=0\r\n[FastExitTaskbarIcon]\r\nExitOnSingleClick=1\r\n"
                    "[Fast Exit]\r\nFastExitOpt=3\r\n"));
  EXPECT_FALSE(tray.Has(kSaverIcon)) << "Show=0";
  EXPECT_EQ("Click once to Log Off", tray.Tip(kFastExitIcon));
  EXPECT_TRUE(napkey.ExitThroughMenu());
}

TEST_F(TaskbarIcons, ARecreatedTaskbarGetsTheIconsBack) {
  ASSERT_TRUE(Start());
  harness::WaitUntil([&] { return tray.Has(kSaverIcon) && tray.Has(kFastExitIcon); }, 3000);
  harness::PumpFor(100);
  tray.ClearRequests();
  tray.AnnounceRestart();
  harness::PumpFor(200);
  EXPECT_EQ((std::vector<std::string>{"ADD 22766", "ADD 22767"}), tray.Requests());
  EXPECT_TRUE(napkey.ExitThroughMenu());
}

TEST_F(TaskbarIcons, SingleClickWithoutDoubleActionRunsAtOnce) {
  ASSERT_TRUE(Start("[TaskbarIcon]\r\nSingleClick=1\r\nDoubleClick=0\r\n"));
  harness::MessageSpy spy(main);
  IconEvent(kSaverIconMessage, kSaverIcon, WM_LBUTTONDOWN);
  EXPECT_TRUE(harness::WaitUntil([&] { return spy.Count(kToggle) == 1; }, GetDoubleClickTime() / 2))
      << "not deferred";
  EXPECT_TRUE(napkey.ExitThroughMenu());
}

TEST_F(TaskbarIcons, DoubleClickRunsOnlyTheDoubleAction) {
  ASSERT_TRUE(Start("[TaskbarIcon]\r\nSingleClick=1\r\nDoubleClick=3\r\n"));
  harness::MessageSpy spy(main);
  IconEvent(kSaverIconMessage, kSaverIcon, WM_LBUTTONDOWN);
  IconEvent(kSaverIconMessage, kSaverIcon, WM_LBUTTONUP);
  IconEvent(kSaverIconMessage, kSaverIcon, WM_LBUTTONDBLCLK);
  harness::PumpFor(GetDoubleClickTime() + 300);
  EXPECT_EQ(1, spy.Count(kProperties)) << "the double action";
  EXPECT_EQ(0, spy.Count(kToggle)) << "the single action was cancelled";
  EXPECT_TRUE(napkey.ExitThroughMenu());
}

TEST_F(TaskbarIcons, SingleClickWaitsOneDoubleClickTime) {
  ASSERT_TRUE(Start("[TaskbarIcon]\r\nSingleClick=1\r\nDoubleClick=2\r\n"));
  harness::MessageSpy spy(main);
  const DWORD start = GetTickCount();
  IconEvent(kSaverIconMessage, kSaverIcon, WM_LBUTTONDOWN);
  ASSERT_TRUE(harness::WaitUntil([&] { return spy.Count(kToggle) == 1; }, GetDoubleClickTime() + 1000));
  EXPECT_GE(GetTickCount() - start, GetDoubleClickTime() - 20);
  // The spy sees the request as it arrives; its work follows.
  EXPECT_TRUE(harness::WaitUntil([&] { return tray.Tip(kSaverIcon) == "Screen saver is disabled"; }, 2000));
  EXPECT_FALSE(driver::SystemSaverActive());
  EXPECT_TRUE(napkey.ExitThroughMenu());
}

TEST_F(TaskbarIcons, TwoWaitingSingleClicksEachRunOnce) {
  ASSERT_TRUE(Start("[TaskbarIcon]\r\nSingleClick=1\r\nDoubleClick=2\r\n"));
  harness::MessageSpy spy(main);
  IconEvent(kSaverIconMessage, kSaverIcon, WM_LBUTTONDOWN);
  harness::PumpFor(GetDoubleClickTime() / 2);
  IconEvent(kSaverIconMessage, kSaverIcon, WM_LBUTTONDOWN);
  harness::PumpFor(GetDoubleClickTime() + 500);
  EXPECT_EQ(2, spy.Count(kToggle)) << "neither click lost, neither doubled";
  EXPECT_EQ(0, spy.Count(kStart));
  EXPECT_TRUE(napkey.ExitThroughMenu());
}

TEST_F(TaskbarIcons, SecondaryClickOpensTheMenuAndModalDialogsRefuseClicks) {
  ASSERT_TRUE(Start("[TaskbarIcon]\r\nSingleClick=1\r\nDoubleClick=0\r\n"));
  harness::MessageSpy spy(main);
  IconEvent(kSaverIconMessage, kSaverIcon, WM_RBUTTONUP);
  std::vector<harness::SpiedMenuItem> items;
  EXPECT_TRUE(spy.WaitForPopup(5000, &items));
  harness::Key(VK_ESCAPE, true);
  harness::Key(VK_ESCAPE, false);
  harness::PumpFor(200);

  PostMessageA(main, WM_COMMAND, 40001, 0);  // About: a modal dialog
  HWND about = harness::WaitForDialog("About Napkey+", napkey.Pid(), 5000);
  ASSERT_TRUE(about);
  IconEvent(kSaverIconMessage, kSaverIcon, WM_LBUTTONDOWN);
  IconEvent(kFastExitIconMessage, kFastExitIcon, WM_LBUTTONDBLCLK);
  IconEvent(kSaverIconMessage, kSaverIcon, WM_RBUTTONUP);
  harness::PumpFor(300);
  EXPECT_EQ(0, spy.Count(kToggle) + spy.Count(kFastExit)) << "only a beep while a dialog is open";
  EXPECT_EQ(1, spy.Count(kMenu)) << "no second menu";
  harness::PressButton(about, IDOK);
  harness::WaitUntil([&] { return !IsWindowVisible(about); }, 5000);
  EXPECT_TRUE(napkey.ExitThroughMenu());
}

TEST_F(TaskbarIcons, FastExitIconRunsOnDoubleClickByDefault) {
  ASSERT_TRUE(Start());
  harness::MessageSpy spy(main);
  IconEvent(kFastExitIconMessage, kFastExitIcon, WM_LBUTTONDOWN);
  harness::PumpFor(200);
  EXPECT_EQ(0, spy.Count(kFastExit));
  IconEvent(kFastExitIconMessage, kFastExitIcon, WM_LBUTTONDBLCLK);
  HWND choice = harness::WaitForDialog("Get Out Of Windows NOW!", napkey.Pid(), 5000);
  ASSERT_TRUE(choice) << "FastExitOpt 0 offers the choice";
  EXPECT_EQ(1, spy.Count(kFastExit, 0, false));
  harness::PressButton(choice, IDCANCEL);
  harness::WaitUntil([&] { return !IsWindowVisible(choice); }, 5000);
  EXPECT_TRUE(napkey.ExitThroughMenu());
}

// A key combination pressed and released in one go, as keyboard input.
void PressKeys(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (WORD key : keys) {
    INPUT input;
    ZeroMemory(&input, sizeof input);
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    inputs.push_back(input);
  }
  for (auto it = keys.end(); it != keys.begin();) {
    INPUT input;
    ZeroMemory(&input, sizeof input);
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = *--it;
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(input);
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  harness::PumpFor(50);
}

class HotKeys : public TaskbarIcons {};

TEST_F(HotKeys, EachRegisteredKeyRunsItsAction) {
  // Ctrl+Alt+ S start, B bring the bar, T toggle, M menu.
  ASSERT_TRUE(Start("[Hot Keys]\r\nStartSS=1619\r\nBringToFg=1602\r\nToggleSS=1620\r\nMenu=1613\r\n"
                    "[ButtonBar]\r\nShow=0\r\n",
                    true));
  EXPECT_FALSE(IsWindowVisible(main));
  harness::MessageSpy spy(main);

  PressKeys({VK_CONTROL, VK_MENU, 'T'});
  EXPECT_TRUE(harness::WaitUntil([&] { return spy.Count(kToggle) == 1; }, 3000));
  EXPECT_FALSE(driver::SystemSaverActive());

  PressKeys({VK_CONTROL, VK_MENU, 'S'});
  EXPECT_TRUE(harness::WaitUntil([&] { return spy.Count(kStart) == 1; }, 3000));
  EXPECT_TRUE(harness::WaitUntil([] { return !driver::ReadLog(driver::FixturePath("testsaver.log")).empty(); }, 5000));
  driver::CloseTestSavers();

  PressKeys({VK_CONTROL, VK_MENU, 'M'});
  std::vector<harness::SpiedMenuItem> items;
  EXPECT_TRUE(spy.WaitForPopup(5000, &items)) << "the menu";
  PressKeys({VK_ESCAPE});
  harness::PumpFor(300);

  PressKeys({VK_CONTROL, VK_MENU, 'B'});
  EXPECT_TRUE(harness::WaitUntil([&] { return IsWindowVisible(main) != FALSE; }, 3000)) << "the bar is back";
  EXPECT_TRUE(napkey.ExitThroughMenu());
  EXPECT_EQ(1, driver::IniInt("ButtonBar", "Show", -9));
}

TEST_F(HotKeys, TakenCombinationsAreListedAndTheOthersWork) {
  // Another program holds Ctrl+Alt+T; the program's own Customize key repeats
  // its start key, so the later id fails too.
  ASSERT_TRUE(RegisterHotKey(nullptr, 0x4242, MOD_CONTROL | MOD_ALT, 'T'));
  driver::ResetSystem("win95", "[Hot Keys]\r\nStartSS=1619\r\nToggleSS=1620\r\nMenu=1613\r\nCustomize=1619\r\n");
  driver::MarkStartedBefore();
  ASSERT_TRUE(napkey.Start());
  HWND box = harness::WaitForDialog("Drowsel/Plus", napkey.Pid(), 10000);
  ASSERT_TRUE(box);
  EXPECT_EQ("Error:\nCould not register the hot key(s) to: \n...enable/disable the screen saver.\n"
            "...display the Customize Napkey+ dialog.",
            harness::ReadMessageBox(box).text);
  harness::PressButton(box, IDOK);
  main = napkey.WaitMainWindow();
  ASSERT_TRUE(main);
  harness::MessageSpy spy(main);
  PressKeys({VK_CONTROL, VK_MENU, 'M'});
  std::vector<harness::SpiedMenuItem> items;
  EXPECT_TRUE(spy.WaitForPopup(5000, &items)) << "the other hot keys still work";
  PressKeys({VK_ESCAPE});
  harness::PumpFor(300);
  UnregisterHotKey(nullptr, 0x4242);
  EXPECT_TRUE(napkey.ExitThroughMenu());
}

}  // namespace
