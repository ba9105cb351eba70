// The taskbar icons and the hot keys of the real program.
#include "input.h"
#include "scenario.h"

namespace {

using namespace driver;

constexpr UINT kSaverIcon = 22766, kFastExitIcon = 22767;

Step SaverIcon(long mouse) { return {kPost, WM_NAPKEY_SAVER_ICON, kSaverIcon, nullptr, mouse}; }
Step FastExitIcon(long mouse) { return {kPost, WM_NAPKEY_FAST_EXIT_ICON, kFastExitIcon, nullptr, mouse}; }

class IconsAndKeys : public ScenarioTest {};

TEST_F(IconsAndKeys, Scenarios) {
  Run({
      {"both icons with their tips follow the state, come back with the taskbar and go at exit", "win95", nullptr, 0,
       {{kTrayIcon, kSaverIcon, 1, "Screen saver is enabled", WM_NAPKEY_SAVER_ICON},
        {kTrayIcon, kFastExitIcon, 1, "Double-click to Exit Windows...", WM_NAPKEY_FAST_EXIT_ICON},
        {kSend, WM_NAPKEY_TOGGLE_SAVER}, {kTrayIcon, kSaverIcon, 1, "Screen saver is disabled"},
        {kSend, WM_NAPKEY_TOGGLE_SAVER}, {kTrayIcon, kSaverIcon, 1, "Screen saver is enabled"}, {kTrayRestart, 0, 2},
        {kExit}, {kTrayIcon, kSaverIcon, 0}, {kTrayIcon, kFastExitIcon, 0}}},
      {"the options choose the tip and which icons show", "win95",
       "[TaskbarIcon]\r\nShow=0\r\n[FastExitTaskbarIcon]\r\nExitOnSingleClick=1\r\n[Fast Exit]\r\nFastExitOpt=3\r\n", 0,
       {{kTrayIcon, kFastExitIcon, 1, "Click once to Log Off"}, {kTrayIcon, kSaverIcon, 0}}},
      {"a single click runs at once without a double action", "win95",
       "[TaskbarIcon]\r\nSingleClick=1\r\nDoubleClick=0\r\n", 0,
       {{kTrayIcon, kSaverIcon, 1}, SaverIcon(WM_LBUTTONDOWN), {kCount, WM_NAPKEY_TOGGLE_SAVER, 1},
        {kTrayIcon, kSaverIcon, 1, "Screen saver is disabled"}, {kSaverFlag, 0, 0}}},
      {"a single click waits for the double-click time with a double action", "win95",
       "[TaskbarIcon]\r\nSingleClick=1\r\nDoubleClick=2\r\n", 0,
       {{kTrayIcon, kSaverIcon, 1}, {kMark}, SaverIcon(WM_LBUTTONDOWN), {kCount, WM_NAPKEY_TOGGLE_SAVER, 1},
        {kSinceMark}, {kTrayIcon, kSaverIcon, 1, "Screen saver is disabled"}, {kSaverFlag, 0, 0}}},
      // A later single click is the sentinel: a click that waited longer would have run before it.
      {"a double click cancels the waiting single click", "win95", "[TaskbarIcon]\r\nSingleClick=1\r\nDoubleClick=3\r\n",
       0,
       {{kTrayIcon, kSaverIcon, 1}, {kMark}, SaverIcon(WM_LBUTTONDOWN), SaverIcon(WM_LBUTTONUP),
        SaverIcon(WM_LBUTTONDBLCLK), {kCount, WM_NAPKEY_SAVER_PROPERTIES, 1}, {kDialog, 0, 0, "Screen Saver Properties"},
        {kAnswer, IDCANCEL}, {kWaitPast}, SaverIcon(WM_LBUTTONDOWN), {kCount, WM_NAPKEY_TOGGLE_SAVER, 1}}},
      {"two waiting single clicks each run once", "win95", "[TaskbarIcon]\r\nSingleClick=1\r\nDoubleClick=2\r\n", 0,
       {{kTrayIcon, kSaverIcon, 1}, SaverIcon(WM_LBUTTONDOWN), SaverIcon(WM_LBUTTONDOWN),
        {kCount, WM_NAPKEY_TOGGLE_SAVER, 2}, SaverIcon(WM_LBUTTONDOWN), {kCount, WM_NAPKEY_TOGGLE_SAVER, 3},
        {kCount, WM_NAPKEY_START_SAVER, 0}}},
      {"menu and Fast Exit from the icons, and only a beep while a modal dialog is open", "win95",
       "[TaskbarIcon]\r\nSingleClick=1\r\nDoubleClick=0\r\n", 0,
       {{kTrayIcon, kSaverIcon, 1}, SaverIcon(WM_RBUTTONUP), {kMenuShown}, FastExitIcon(WM_LBUTTONDOWN),
        FastExitIcon(WM_LBUTTONDBLCLK), {kDialog, 0, 0, "Get Out Of Windows NOW!"}, {kAnswer, IDCANCEL},
        {kCount, WM_NAPKEY_FAST_EXIT, 1}, {kOpen, IDM_ABOUT, 0, "About Napkey+"}, SaverIcon(WM_LBUTTONDOWN),
        FastExitIcon(WM_LBUTTONDBLCLK), SaverIcon(WM_RBUTTONUP), {kCount, WM_NAPKEY_TOGGLE_SAVER, 0},
        {kCount, WM_NAPKEY_FAST_EXIT, 1}, {kCount, WM_NAPKEY_POPUP_MENU, 1}, {kAnswer, IDOK}}},
      // Ctrl+Alt+ S start, B bring the bar, T toggle, M menu, P the saver's properties.
      {"each registered hot key runs its action", "win95",
       "[Hot Keys]\r\nStartSS=1619\r\nBringToFg=1602\r\nToggleSS=1620\r\nMenu=1613\r\nSSPropsDlg=1616\r\n"
       "[ButtonBar]\r\nShow=0\r\n",
       kWithSaver,
       {{kBarShown, 0, 0}, {kHotKey, 0, 0, "t"}, {kCount, WM_NAPKEY_TOGGLE_SAVER, 1}, {kSaverFlag, 0, 0},
        {kHotKey, 0, 0, "s"}, {kCount, WM_NAPKEY_START_SAVER, 1}, {kSaverRan, 0, 1}, {kHotKey, 0, 0, "m"},
        {kMenuShown}, {kHotKey, 0, 0, "p"}, {kDialog, 0, 0, "Screen Saver Properties"}, {kAnswer, IDCANCEL},
        {kHotKey, 0, 0, "b"}, {kBarShown, 0, 1}, {kExitIni, 0, 1, "ButtonBar/Show"}}},
      {"a timed off from the menu says until when, then turns the saver on as a click would", "win95 nt40 win10",
       nullptr, 0,
       {{kCommand, IDM_OFF_30}, {kCount, WM_NAPKEY_TIMED_OFF, 1}, {kSaverFlag, 0, 0},
        {kTrayIcon, kSaverIcon, 1, "Screen saver is disabled until *"},
        {kShows, IDC_BAR_TOGGLE, 0, "Enable screen saver (off until *)"}, {kPost, WM_NAPKEY_TIMED_OFF, 0, nullptr, 2},
        {kSaverFlag, 0, 1}, {kCount, WM_NAPKEY_TOGGLE_SAVER, 1}, {kTrayIcon, kSaverIcon, 1, "Screen saver is enabled"},
        {kShows, IDC_BAR_TOGGLE, 0, "Disable screen saver"}}},
      {"off N reaches the running copy, or starts one; a plain off or an enable ends it", "win95 nt40 win10", nullptr, 0,
       {{kRun, 0, 0, "off 1"}, {kCount, WM_NAPKEY_TIMED_OFF, 1},
        {kTrayIcon, kSaverIcon, 1, "Screen saver is disabled until *"}, {kRun, 0, 0, "off"}, {kCount, WM_NAPKEY_TIMED_OFF, 2}, {kTrayIcon, kSaverIcon, 1, "Screen saver is disabled"},
        {kShows, IDC_BAR_TOGGLE, 0, "Enable screen saver"}, {kSend, WM_COMMAND, IDM_OFF_15}, {kSend, WM_NAPKEY_TOGGLE_SAVER},
        {kSaverFlag, 0, 1}, {kSend, WM_NAPKEY_TOGGLE_SAVER}, {kTrayIcon, kSaverIcon, 1, "Screen saver is disabled"},
        {kSend, WM_NAPKEY_TOGGLE_SAVER}, {kRestart, 0, 0, "off 1"}, {kSaverFlag, 0, 0},
        {kTrayIcon, kSaverIcon, 1, "Screen saver is disabled until *"}}},
  });
}

class HotKeysTaken : public SystemTest {};

TEST_F(HotKeysTaken, AreListedAndTheOthersWork) {
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
