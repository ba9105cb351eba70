// The taskbar icons and the hot keys of the real program.
#include "driver.h"
#include "faketray.h"
#include "input.h"

namespace {

using namespace driver;

constexpr UINT kSaverIcon = 22766, kFastExitIcon = 22767;

class TaskbarIcons : public SystemTest {
 protected:
  HWND StartShowing(const char* ini = nullptr, unsigned flags = 0) {
    if (!Start(ini, flags)) return nullptr;
    EXPECT_TRUE(harness::WaitUntil([&] { return tray.Has(kSaverIcon) || tray.Has(kFastExitIcon); }, 20000));
    return main;
  }
  // A click on an icon, as the shell reports it.
  void SaverIcon(UINT mouse) { Post(WM_NAPKEY_SAVER_ICON, kSaverIcon, mouse); }
  void FastExitIcon(UINT mouse) { Post(WM_NAPKEY_FAST_EXIT_ICON, kFastExitIcon, mouse); }

  harness::FakeTray tray;
};

TEST_F(TaskbarIcons, BothIconsWithTheirTipsFollowTheStateAndGoAtExit) {
  ASSERT_TRUE(tray.Ok());
  ASSERT_TRUE(StartShowing());
  ASSERT_TRUE(harness::WaitUntil([&] { return tray.Has(kSaverIcon) && tray.Has(kFastExitIcon); }, 20000));
  EXPECT_EQ(main, tray.Icons().at(kSaverIcon).owner);
  EXPECT_EQ(WM_NAPKEY_SAVER_ICON, tray.Icons().at(kSaverIcon).callback);
  EXPECT_EQ(WM_NAPKEY_FAST_EXIT_ICON, tray.Icons().at(kFastExitIcon).callback);
  EXPECT_EQ("Screen saver is enabled", tray.Tip(kSaverIcon));
  EXPECT_EQ("Double-click to Exit Windows...", tray.Tip(kFastExitIcon));
  Send(WM_NAPKEY_TOGGLE_SAVER);
  EXPECT_EQ("Screen saver is disabled", tray.Tip(kSaverIcon));
  Send(WM_NAPKEY_TOGGLE_SAVER);
  EXPECT_EQ("Screen saver is enabled", tray.Tip(kSaverIcon));

  // A re-created taskbar gets both icons back.
  tray.ClearRequests();
  tray.AnnounceRestart();
  EXPECT_EQ((std::vector<std::string>{"ADD 22766", "ADD 22767"}), tray.Requests());
  ASSERT_TRUE(Exit());
  EXPECT_TRUE(harness::WaitUntil([&] { return tray.Icons().empty(); }, 20000)) << "both icons are removed at exit";
}

TEST_F(TaskbarIcons, OptionsChooseTipAndPresence) {
  ASSERT_TRUE(StartShowing("[TaskbarIcon]\r\nShow=0\r\n[FastExitTaskbarIcon]\r\nExitOnSingleClick=1\r\n"
                           "[Fast Exit]\r\nFastExitOpt=3\r\n"));
  ASSERT_TRUE(Alive());
  EXPECT_FALSE(tray.Has(kSaverIcon)) << "Show=0";
  EXPECT_EQ("Click once to Log Off", tray.Tip(kFastExitIcon));
  EXPECT_TRUE(Exit());
}

TEST_F(TaskbarIcons, SingleClickRunsAtOnceOrAfterTheDoubleClickTime) {
  for (int doubleAction : {0, 2}) {
    SCOPED_TRACE(doubleAction ? "with a double action" : "without a double action");
    ASSERT_TRUE(StartShowing(doubleAction ? "[TaskbarIcon]\r\nSingleClick=1\r\nDoubleClick=2\r\n"
                                          : "[TaskbarIcon]\r\nSingleClick=1\r\nDoubleClick=0\r\n"));
    const DWORD start = GetTickCount();
    SaverIcon(WM_LBUTTONDOWN);
    ASSERT_TRUE(WaitCount(WM_NAPKEY_TOGGLE_SAVER, 1));
    if (doubleAction) EXPECT_GE(GetTickCount() - start, GetDoubleClickTime() - 20) << "deferred";
    EXPECT_TRUE(harness::WaitUntil([&] { return tray.Tip(kSaverIcon) == "Screen saver is disabled"; }, 20000));
    EXPECT_FALSE(SystemSaverActive());
    EXPECT_TRUE(Exit());
  }
}

// A later single click is the sentinel: by the time it has run, a click that
// waited longer would have run too.
TEST_F(TaskbarIcons, DoubleClickCancelsTheWaitingSingleClick) {
  ASSERT_TRUE(StartShowing("[TaskbarIcon]\r\nSingleClick=1\r\nDoubleClick=3\r\n"));
  const DWORD start = GetTickCount();
  SaverIcon(WM_LBUTTONDOWN);
  SaverIcon(WM_LBUTTONUP);
  SaverIcon(WM_LBUTTONDBLCLK);
  EXPECT_TRUE(WaitCount(WM_NAPKEY_SAVER_PROPERTIES, 1)) << "the double action";
  Answer(Dialog("Screen Saver Properties"), IDCANCEL);
  harness::WaitUntil([&] { return GetTickCount() - start > GetDoubleClickTime(); }, 20000);
  SaverIcon(WM_LBUTTONDOWN);
  EXPECT_TRUE(WaitCount(WM_NAPKEY_TOGGLE_SAVER, 1));
  ASSERT_TRUE(Alive());
  EXPECT_EQ(1, Count(WM_NAPKEY_TOGGLE_SAVER)) << "the cancelled single action never ran";
  EXPECT_TRUE(Exit());
}

TEST_F(TaskbarIcons, TwoWaitingSingleClicksEachRunOnce) {
  ASSERT_TRUE(StartShowing("[TaskbarIcon]\r\nSingleClick=1\r\nDoubleClick=2\r\n"));
  SaverIcon(WM_LBUTTONDOWN);
  SaverIcon(WM_LBUTTONDOWN);
  EXPECT_TRUE(WaitCount(WM_NAPKEY_TOGGLE_SAVER, 2));
  SaverIcon(WM_LBUTTONDOWN);
  EXPECT_TRUE(WaitCount(WM_NAPKEY_TOGGLE_SAVER, 3)) << "neither click lost, neither doubled";
  EXPECT_EQ(0, Count(WM_NAPKEY_START_SAVER));
  EXPECT_TRUE(Exit());
}

TEST_F(TaskbarIcons, MenuAndFastExitAndOnlyABeepWhileAModalDialogIsOpen) {
  ASSERT_TRUE(StartShowing("[TaskbarIcon]\r\nSingleClick=1\r\nDoubleClick=0\r\n"));
  SaverIcon(WM_RBUTTONUP);
  Menu(false);
  FastExitIcon(WM_LBUTTONDOWN);
  FastExitIcon(WM_LBUTTONDBLCLK);
  Answer(Dialog("Get Out Of Windows NOW!"), IDCANCEL);
  ASSERT_TRUE(Alive());
  EXPECT_EQ(1, Count(WM_NAPKEY_FAST_EXIT)) << "on the double click only";

  Post(WM_COMMAND, IDM_ABOUT);
  HWND about = Dialog("About Napkey+");
  SaverIcon(WM_LBUTTONDOWN);
  FastExitIcon(WM_LBUTTONDBLCLK);
  SaverIcon(WM_RBUTTONUP);
  ASSERT_TRUE(Alive());  // the About box's loop has handled the clicks
  EXPECT_EQ(0, Count(WM_NAPKEY_TOGGLE_SAVER));
  EXPECT_EQ(1, Count(WM_NAPKEY_FAST_EXIT));
  EXPECT_EQ(1, Count(WM_NAPKEY_POPUP_MENU)) << "no second menu";
  Answer(about, IDOK);
  EXPECT_TRUE(Exit());
}

class HotKeys : public TaskbarIcons {};

TEST_F(HotKeys, EachRegisteredKeyRunsItsAction) {
  // Ctrl+Alt+ S start, B bring the bar, T toggle, M menu, P the saver's properties.
  ASSERT_TRUE(StartShowing("[Hot Keys]\r\nStartSS=1619\r\nBringToFg=1602\r\nToggleSS=1620\r\nMenu=1613\r\n"
                           "SSPropsDlg=1616\r\n"
                           "[ButtonBar]\r\nShow=0\r\n",
                           kWithSaver));
  EXPECT_FALSE(IsWindowVisible(main));
  PressCtrlAlt("t");
  EXPECT_TRUE(WaitCount(WM_NAPKEY_TOGGLE_SAVER, 1));
  ASSERT_TRUE(Alive());
  EXPECT_FALSE(SystemSaverActive());
  PressCtrlAlt("s");
  EXPECT_TRUE(WaitCount(WM_NAPKEY_START_SAVER, 1));
  EXPECT_TRUE(harness::WaitUntil([] { return !SaverLog().empty(); }, 20000));
  CloseTestSavers();
  PressCtrlAlt("m");
  Menu(false);
  PressCtrlAlt("p");
  Answer(Dialog("Screen Saver Properties"), IDCANCEL);
  PressCtrlAlt("b");
  EXPECT_TRUE(harness::WaitUntil([&] { return IsWindowVisible(main) != FALSE; }, 20000)) << "the bar is back";
  ASSERT_TRUE(Exit());
  EXPECT_EQ(1, IniInt("ButtonBar", "Show"));
}

TEST_F(HotKeys, TakenCombinationsAreListedAndTheOthersWork) {
  // Another program holds Ctrl+Alt+T; the program's own Customize key repeats
  // its start key, so the later id fails too.
  ASSERT_TRUE(RegisterHotKey(nullptr, 0x4242, MOD_CONTROL | MOD_ALT, 'T'));
  ResetSystem("win95", "[Hot Keys]\r\nStartSS=1619\r\nToggleSS=1620\r\nMenu=1613\r\nCustomize=1619\r\n");
  ASSERT_TRUE(napkey.Start());
  HWND box = harness::WaitForDialog("Drowsel/Plus", napkey.Pid(), 20000);
  ASSERT_TRUE(box);
  EXPECT_EQ("Error:\nCould not register the hot key(s) to: \n...enable/disable the screen saver.\n"
            "...display the Customize Napkey+ dialog.",
            harness::ReadMessageBox(box).text);
  Answer(box, IDOK);
  ASSERT_TRUE(Attach());
  PressCtrlAlt("m");
  Menu(false);  // the other hot keys still work
  UnregisterHotKey(nullptr, 0x4242);
  EXPECT_TRUE(Exit());
}

}  // namespace
