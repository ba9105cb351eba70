// The Customize sheet of the real program, scenario by scenario: each row
// starts the program in a Windows version with a napkey.ini, opens the sheet
// and runs its steps, clicking and typing on the real controls.
#include "driver.h"

#include <commctrl.h>
#include <cstring>

#include "faketray.h"
#include "input.h"

namespace {

using namespace driver;

const char kSheet[] = "Customize Drowsel/Plus";
constexpr int kApplyButton = 0x3021;  // the sheet's Apply button

enum Op {
  kPage,       // switch to page `value`, as its tab does
  kClick,      // click control `id` of the current page, or of the sheet when `value` is 1
  kType,       // empty field `id` and type `text`
  kKeys,       // tap key `value` `id` times in the focused control (the next step waits for its effect)
  kHostKey,    // press `text` (xdotool's name) on the X server into the sheet
  kCloseBox,   // click the sheet's close box
  kBox,        // a message box saying `text` comes up; it is answered
  kOnPage,     // the current page is `value`
  kShows,      // control `id` comes to show `text`
  kHotKey,     // hot-key control `id` comes to hold the code `value`
  kEnabled,    // control `id` (of the sheet when `text` is "sheet") is enabled when `value`
  kChecked,    // control `id` is checked when `value`
  kHandOvers,  // the main window has had `value` hand-overs
  kClosed,     // the sheet has closed
  kTrayIcon,   // tray icon `id` is shown when `value`
  kBarChanged, // the bar's width differs from its width before the sheet when `value`
  kOnTop,      // the bar stays above other windows when `value`
  kMenuKey,    // Ctrl+Alt+`text` opens the program's menu when `value`; a dead key is proven by the next working one
  kReopen,     // the sheet is opened again
  kIniNow,     // napkey.ini has `text` ("Section/Key") = `value` (-9: absent) while the program runs
  kExitIni,    // after the program exits, napkey.ini has `text` = `value`
  kLabelsFit,  // every label on the current page shows its whole text
};
struct Step {
  Op op;
  int id;
  int value;
  const char* text;
};
struct Scenario {
  const char* label;
  const char* mode;
  const char* ini;
  std::vector<Step> steps;
};

class CustomizeSheet : public SystemTest {
 protected:
  std::string Mode() const override { return mode; }
  HWND Page() const { return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)); }
  int PageIndex() const {
    return static_cast<int>(SendMessageA(PropSheet_GetTabControl(sheet), TCM_GETCURSEL, 0, 0));
  }
  void Run(const Scenario& scenario);
  void Do(const Step& step);
  long BarWidth() const {
    RECT bar;
    GetWindowRect(main, &bar);
    return bar.right - bar.left;
  }
  std::string mode = "win95";
  HWND sheet = nullptr;
  long widthBefore = 0;
  int workingKeys = 0;
  harness::FakeTray tray;
};

void CustomizeSheet::Run(const Scenario& scenario) {
  SCOPED_TRACE(scenario.label);
  mode = scenario.mode;
  ASSERT_TRUE(Start(scenario.ini));
  widthBefore = BarWidth();
  workingKeys = 0;
  Post(WM_COMMAND, IDM_CUSTOMIZE);
  ASSERT_TRUE(sheet = Dialog(kSheet));
  for (size_t i = 0; i < scenario.steps.size(); ++i) {
    SCOPED_TRACE("step " + std::to_string(i + 1));
    Do(scenario.steps[i]);
    if (HasFatalFailure()) return;
  }
  if (IsWindow(sheet)) SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  if (napkey.Running()) EXPECT_TRUE(Exit());
}

void CustomizeSheet::Do(const Step& step) {
  HWND control = step.text && !std::strcmp(step.text, "sheet") ? GetDlgItem(sheet, step.id) : GetDlgItem(Page(), step.id);
  switch (step.op) {
    case kPage:
      PostMessageA(sheet, PSM_SETCURSEL, step.value, 0);
      ASSERT_TRUE(Alive());
      break;
    case kClick:
      Click(step.value ? GetDlgItem(sheet, step.id) : control);
      break;
    case kType:
      Click(control);
      harness::KeyTap(VK_END);
      for (int i = 0; i < 12; ++i) harness::KeyTap(VK_BACK);
      harness::TypeDigits(step.text);
      EXPECT_TRUE(harness::WaitUntil([&] { return harness::WindowText(control) == step.text; }, 20000));
      break;
    case kKeys:
      for (int i = 0; i < step.id; ++i) harness::KeyTap(static_cast<WORD>(step.value));
      break;
    case kHostKey: EXPECT_TRUE(harness::HostKeysTo(sheet, (std::string("key ") + step.text).c_str())); break;
    case kCloseBox: {
      RECT frame;
      GetWindowRect(sheet, &frame);
      const int inset = GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
      harness::ClickAt(frame.right - inset, frame.top + inset);
      break;
    }
    case kBox: {
      HWND box = Dialog("Drowsel/Plus");
      EXPECT_EQ(step.text, harness::ReadMessageBox(box).text);
      Answer(box, IDOK);
      ASSERT_TRUE(Alive());
      break;
    }
    case kHotKey:
      EXPECT_TRUE(harness::WaitUntil([&] { return SendMessageA(control, HKM_GETHOTKEY, 0, 0) == step.value; }, 20000))
          << SendMessageA(control, HKM_GETHOTKEY, 0, 0);
      break;
    case kOnPage: EXPECT_EQ(step.value, PageIndex()); break;
    case kShows:
      EXPECT_TRUE(harness::WaitUntil([&] { return harness::WindowText(control) == step.text; }, 20000))
          << harness::WindowText(control);
      break;
    case kEnabled: EXPECT_EQ(step.value != 0, IsWindowEnabled(control) != FALSE) << step.id; break;
    case kChecked: EXPECT_EQ(step.value != 0, SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED) << step.id; break;
    case kHandOvers: EXPECT_TRUE(WaitCount(WM_NAPKEY_APPLY_OPTIONS, step.value)); break;
    case kClosed: EXPECT_TRUE(harness::WaitUntil([&] { return !IsWindow(sheet); }, 20000)); break;
    case kTrayIcon:
      EXPECT_TRUE(harness::WaitUntil([&] { return tray.Has(step.id) == (step.value != 0); }, 20000)) << step.id;
      break;
    case kBarChanged:
      EXPECT_TRUE(harness::WaitUntil([&] { return (BarWidth() != widthBefore) == (step.value != 0); }, 20000));
      break;
    case kOnTop:
      ASSERT_TRUE(Alive());
      EXPECT_EQ(step.value != 0, (GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
      break;
    case kMenuKey: {
      // Keys reach the program in the order pressed: once a working key's
      // menu is up, a dead key pressed before it has been handled too.
      PressCtrlAlt(step.text);
      if (!step.value) break;
      Menu(false);
      EXPECT_EQ(++workingKeys, Count(WM_HOTKEY)) << "a key that should be dead worked";
      break;
    }
    case kReopen:
      Post(WM_COMMAND, IDM_CUSTOMIZE);
      ASSERT_TRUE(sheet = Dialog(kSheet));
      break;
    case kIniNow:
    case kExitIni: {
      if (step.op == kExitIni && napkey.Running()) ASSERT_TRUE(Exit());
      const std::string key = step.text;
      EXPECT_EQ(step.value, IniInt(key.substr(0, key.find('/')).c_str(), key.substr(key.find('/') + 1).c_str())) << key;
      break;
    }
    case kLabelsFit: EXPECT_EQ(std::vector<std::string>(), harness::ClippedLabels(Page())); break;
  }
}

TEST_F(CustomizeSheet, Scenarios) {
  const std::vector<Step> everyPageFits = {{kLabelsFit}, {kPage, 0, 1}, {kLabelsFit}, {kPage, 0, 2}, {kLabelsFit},
                                           {kPage, 0, 3}, {kLabelsFit}};
  const Scenario scenarios[] = {
      {"no button selected: the page stays", "win95", nullptr,
       {{kPage, 0, 1}, {kClick, IDC_BB_TOGGLE}, {kClick, IDC_BB_PROPERTIES}, {kClick, IDC_BB_START},
        {kClick, IDC_BB_FAST_EXIT}, {kPage, 0, 2}, {kBox, 0, 0, "You must select at least one Button."},
        {kOnPage, 0, 1}, {kClick, IDOK, 1}, {kBox, 0, 0, "You must select at least one Button."},
        {kHandOvers, 0, 0}}},
      {"showing nothing: the sheet stays and nothing is handed over", "win95", nullptr,
       {{kClick, IDC_TI_SHOW}, {kClick, IDC_TI_FAST_EXIT_SHOW}, {kPage, 0, 1}, {kClick, IDC_BB_SHOW},
        {kClick, IDOK, 1}, {kBox, 0, 0, "You must show a Taskbar Icon or the Button Bar.  You cannot choose to show nothing."},
        {kHandOvers, 0, 0}, {kTrayIcon, 22766, 1}}},
      {"numbers: over 100 is 100, empty is 0, the arrows stop at 30 and 0", "win95", nullptr,
       {{kPage, 0, 1}, {kType, IDC_BB_SPACE, 0, "150"}, {kType, IDC_BB_BORDER, 0, ""}, {kPage, 0, 2}, {kPage, 0, 1},
        {kShows, IDC_BB_SPACE, 0, "100"}, {kShows, IDC_BB_BORDER, 0, "0"}, {kClick, IDC_BB_BORDER},
        {kKeys, 35, VK_UP}, {kShows, IDC_BB_BORDER, 0, "30"}, {kKeys, 35, VK_DOWN}, {kShows, IDC_BB_BORDER, 0, "0"},
        {kClick, IDOK, 1}, {kClosed}, {kBarChanged, 0, 1}, {kIniNow, 0, -9, "ButtonBar/SpaceBetween"},
        {kExitIni, 0, 100, "ButtonBar/SpaceBetween"},
        {kExitIni, 0, 0, "ButtonBar/Border"}}},
      {"a negative number from the file: shown unsigned, the page cannot be left", "win95",
       "[ButtonBar]\r\nSpaceBetween=-5\r\n",
       {{kPage, 0, 1}, {kShows, IDC_BB_SPACE, 0, "4294967291"}, {kPage, 0, 3},
        {kBox, 0, 0, "Numeric entries must be positive integers."}, {kOnPage, 0, 1}, {kType, IDC_BB_SPACE, 0, "7"},
        {kPage, 0, 3}, {kOnPage, 0, 3}}},
      {"Apply then OK: one hand-over; visiting the Button Bar page is no change", "win95", nullptr,
       {{kEnabled, kApplyButton, 0, "sheet"}, {kClick, IDC_TI_FAST_EXIT_SHOW}, {kClick, kApplyButton, 1},
        {kHandOvers, 0, 1}, {kTrayIcon, 22767, 0}, {kClick, IDOK, 1}, {kClosed}, {kHandOvers, 0, 1},
        {kReopen}, {kOnPage, 0, 0}, {kPage, 0, 1}, {kEnabled, kApplyButton, 0, "sheet"}, {kClick, IDC_BB_TOOLTIPS},
        {kClick, kApplyButton, 1}, {kHandOvers, 0, 2}, {kClick, IDOK, 1}, {kClosed}, {kHandOvers, 0, 2}, {kReopen},
        {kOnPage, 0, 1}}},
      {"On Top applied from the sheet holds once it closes", "win10", "[ButtonBar]\r\nOnTop=0\r\n",
       {{kOnTop, 0, 0}, {kPage, 0, 1}, {kClick, IDC_BB_ON_TOP}, {kClick, kApplyButton, 1}, {kClick, IDOK, 1},
        {kClosed}, {kOnTop, 0, 1}}},
      {"Apply then OK from the Fast Exit and Hot Keys pages: one hand-over", "win95", nullptr,
       {{kPage, 0, 2}, {kClick, IDC_FE_FIRST + 1}, {kClick, kApplyButton, 1}, {kHandOvers, 0, 1}, {kPage, 0, 3},
        {kClick, IDOK, 1}, {kClosed}, {kHandOvers, 0, 1}, {kExitIni, 0, 4, "Fast Exit/FastExitOpt"}}},
      {"Cancel after Apply puts everything back", "win95", nullptr,
       {{kPage, 0, 1}, {kClick, IDC_BB_LARGE}, {kPage, 0, 0}, {kClick, IDC_TI_SHOW}, {kClick, kApplyButton, 1},
        {kBarChanged, 0, 1}, {kTrayIcon, 22766, 0}, {kCloseBox}, {kClosed}, {kBarChanged, 0, 0},
        {kTrayIcon, 22766, 1}, {kReopen}, {kOnPage, 0, 0}, {kExitIni, 0, 0, "ButtonBar/ButtonSize"}}},
      {"a hot key typed alone becomes Ctrl+Alt and works at once; the old one is gone", "win95",
       "[Hot Keys]\r\nMenu=1613\r\n",
       {{kPage, 0, 3}, {kClick, IDC_HK_FIRST + 4}, {kHostKey, 0, 0, "k"}, {kHotKey, IDC_HK_FIRST + 4, (HOTKEYF_CONTROL | HOTKEYF_ALT) << 8 | 'K'},
        {kClick, IDOK, 1}, {kClosed}, {kMenuKey, 0, 0, "m"}, {kMenuKey, 0, 1, "k"}}},
      {"Windows NT: no Windows 95 exits, but one from the file still shows", "nt40",
       "[Fast Exit]\r\nFastExitOpt=1\r\n",
       {{kPage, 0, 2}, {kEnabled, IDC_FE_FIRST + 4, 0}, {kEnabled, IDC_FE_FIRST + 5, 0},
        {kChecked, IDC_FE_FIRST + 4, 1}, {kEnabled, IDC_FE_FIRST + 3, 1}}},
      {"before Windows 4.0: the bar page first, always shown; no taskbar icons", "win31", nullptr,
       {{kOnPage, 0, 1}, {kChecked, IDC_BB_SHOW, 1}, {kEnabled, IDC_BB_SHOW, 0}, {kPage, 0, 0},
        {kEnabled, IDC_TI_SHOW, 0}, {kEnabled, IDC_TI_EXIT_SINGLE, 0}, {kEnabled, IDC_TI_NOTE, 1}}},
      {"every label shows its whole text, as Windows 95", "win95", nullptr, everyPageFits},
      {"every label shows its whole text, as Windows 10", "win10", nullptr, everyPageFits},
  };
  for (const Scenario& scenario : scenarios) Run(scenario);
}

}  // namespace
