// The Customize sheet of the real program, clicked and typed on.
#include "scenario.h"

#include <commctrl.h>

namespace {

using namespace driver;

const char kSheet[] = "Customize Drowsel/Plus";
constexpr int kApplyButton = 0x3021;  // the sheet's Apply button
const char kThisExe[] = "\"*napkey.exe\"";  // the Run value naming the exe under test

class CustomizeSheet : public ScenarioTest {};

const Step kReopen = {kOpen, IDM_CUSTOMIZE, 0, kSheet};
Step HandOvers(int count) { return {kCount, WM_NAPKEY_APPLY_OPTIONS, count}; }

std::vector<Step> Sheet(std::vector<Step> steps) {
  steps.insert(steps.begin(), kReopen);
  return steps;
}

TEST_F(CustomizeSheet, Scenarios) {
  Run({
      {"no button selected: the page stays", "win95", nullptr, 0,
       Sheet({{kPage, 0, 1}, {kClick, IDC_BB_TOGGLE}, {kClick, IDC_BB_PROPERTIES}, {kClick, IDC_BB_START},
        {kClick, IDC_BB_FAST_EXIT}, {kPage, 0, 2}, {kBox, 0, 0, "You must select at least one Button."},
        {kOnPage, 0, 1}, {kClick, IDOK}, {kBox, 0, 0, "You must select at least one Button."}, HandOvers(0)})},
      {"showing nothing: the sheet stays and nothing is handed over", "win95", nullptr, 0,
       Sheet({{kClick, IDC_TI_SHOW}, {kClick, IDC_TI_FAST_EXIT_SHOW}, {kPage, 0, 1}, {kClick, IDC_BB_SHOW},
        {kClick, IDOK},
        {kBox, 0, 0, "You must show a Taskbar Icon or the Button Bar.  You cannot choose to show nothing."},
        HandOvers(0), {kTrayIcon, 22766, 1}})},
      {"numbers: over 100 is 100, empty is 0, the arrows stop at 30 and 0", "win95", nullptr, 0,
       Sheet({{kPage, 0, 1}, {kType, IDC_BB_SPACE, 0, "150"}, {kType, IDC_BB_BORDER, 0, ""}, {kPage, 0, 2},
        {kPage, 0, 1}, {kShows, IDC_BB_SPACE, 0, "100"}, {kShows, IDC_BB_BORDER, 0, "0"}, {kClick, IDC_BB_BORDER},
        {kKeys, 35, VK_UP}, {kShows, IDC_BB_BORDER, 0, "30"}, {kKeys, 35, VK_DOWN}, {kShows, IDC_BB_BORDER, 0, "0"},
        {kClick, IDOK}, {kClosed}, {kBarChanged, 0, 1}, {kIni, 0, -9, "ButtonBar/SpaceBetween"},
        {kExitIni, 0, 100, "ButtonBar/SpaceBetween"}, {kExitIni, 0, 0, "ButtonBar/Border"}})},
      {"a negative number from the file: shown unsigned, the page cannot be left", "win95",
       "[ButtonBar]\r\nSpaceBetween=-5\r\n", 0,
       Sheet({{kPage, 0, 1}, {kShows, IDC_BB_SPACE, 0, "4294967291"}, {kPage, 0, 3},
        {kBox, 0, 0, "Numeric entries must be positive integers."}, {kOnPage, 0, 1}, {kType, IDC_BB_SPACE, 0, "7"},
        {kPage, 0, 3}, {kOnPage, 0, 3}})},
      {"Apply then OK: one hand-over; visiting the Button Bar page is no change", "win95", nullptr, 0,
       Sheet({{kEnabled, kApplyButton}, {kClick, IDC_TI_FAST_EXIT_SHOW}, {kClick, kApplyButton}, HandOvers(1),
        {kTrayIcon, 22767, 0}, {kClick, IDOK}, {kClosed}, HandOvers(1), kReopen, {kOnPage, 0, 0}, {kPage, 0, 1},
        {kEnabled, kApplyButton}, {kClick, IDC_BB_TOOLTIPS}, {kClick, kApplyButton}, HandOvers(2), {kClick, IDOK},
        {kClosed}, HandOvers(2), kReopen, {kOnPage, 0, 1}})},
      {"On Top applied from the sheet holds once it closes", "win10", "[ButtonBar]\r\nOnTop=0\r\n", 0,
       Sheet({{kOnTop, 0, 0}, {kPage, 0, 1}, {kClick, IDC_BB_ON_TOP}, {kClick, kApplyButton}, {kClick, IDOK}, {kClosed},
        {kOnTop, 0, 1}})},
      {"Apply then OK from the Fast Exit and Hot Keys pages: one hand-over", "win95", nullptr, 0,
       Sheet({{kPage, 0, 2}, {kClick, IDC_FE_FIRST + 1}, {kClick, kApplyButton}, HandOvers(1), {kPage, 0, 3},
        {kClick, IDOK}, {kClosed}, HandOvers(1), {kExitIni, 0, 4, "Fast Exit/FastExitOpt"}})},
      {"Cancel after Apply puts everything back", "win95", nullptr, 0,
       Sheet({{kPage, 0, 1}, {kClick, IDC_BB_LARGE}, {kPage, 0, 0}, {kClick, IDC_TI_SHOW}, {kClick, kApplyButton},
        {kBarChanged, 0, 1}, {kTrayIcon, 22766, 0}, {kCloseBox}, {kClosed}, {kBarChanged, 0, 0}, {kTrayIcon, 22766, 1},
        kReopen, {kOnPage, 0, 0}, {kExitIni, 0, 0, "ButtonBar/ButtonSize"}})},
      {"a hot key typed alone becomes Ctrl+Alt and works at once; the old one is gone", "win95",
       "[Hot Keys]\r\nMenu=1613\r\n", 0,
       Sheet({{kPage, 0, 3}, {kClick, IDC_HK_FIRST + 4}, {kHostKey, 0, 0, "k"},
        {kHotKeyField, IDC_HK_FIRST + 4, (HOTKEYF_CONTROL | HOTKEYF_ALT) << 8 | 'K'}, {kClick, IDOK}, {kClosed},
        {kMenuKey, 0, 0, "m"}, {kMenuKey, 0, 1, "k"}})},
      {"Windows NT: no Windows 95 exits, but one from the file still shows", "nt40",
       "[Fast Exit]\r\nFastExitOpt=1\r\n", 0,
       Sheet({{kPage, 0, 2}, {kEnabled, IDC_FE_FIRST + 4, 0}, {kEnabled, IDC_FE_FIRST + 5, 0},
        {kChecked, IDC_FE_FIRST + 4, 1}, {kEnabled, IDC_FE_FIRST + 3, 1}})},
      {"before Windows 4.0: the bar page first, always shown; no taskbar icons", "win31", nullptr, 0,
       Sheet({{kOnPage, 0, 1}, {kChecked, IDC_BB_SHOW, 1}, {kEnabled, IDC_BB_SHOW, 0}, {kPage, 0, 0},
        {kEnabled, IDC_TI_SHOW, 0}, {kEnabled, IDC_TI_EXIT_SINGLE, 0}, {kEnabled, IDC_TI_START_WITH_WINDOWS, 0},
        {kEnabled, IDC_TI_NOTE, 1}})},
      {"starting with Windows: OK and Apply make the Run value follow the box, Cancel after Apply puts it back",
       "win95 nt40 win10", nullptr, 0,
       {{kSetValue, 0, 0, kRunValue, 0, "\"C:\\old\\drowsel.exe\""}, kReopen, {kChecked, IDC_TI_START_WITH_WINDOWS, 1},
        {kClick, IDOK}, {kClosed}, {kValue, 0, 0, kRunValue, 0, kThisExe}, kReopen,
        {kClick, IDC_TI_START_WITH_WINDOWS}, {kClick, kApplyButton}, {kValue, 0, 0, kRunValue}, {kCloseBox}, {kClosed},
        {kValue, 0, 0, kRunValue, 0, kThisExe}, kReopen, {kClick, IDC_TI_START_WITH_WINDOWS}, {kClick, IDOK},
        {kClosed}, {kValue, 0, 0, kRunValue}, kReopen, {kChecked, IDC_TI_START_WITH_WINDOWS, 0},
        {kClick, IDC_TI_START_WITH_WINDOWS}, {kClick, kApplyButton}, {kValue, 0, 0, kRunValue, 0, kThisExe},
        {kCloseBox}, {kClosed}, {kValue, 0, 0, kRunValue}}},
      {"every label shows its whole text", "win95 win10", nullptr, 0,
       Sheet({{kLabelsFit}, {kPage, 0, 1}, {kLabelsFit}, {kPage, 0, 2}, {kLabelsFit}, {kPage, 0, 3}, {kLabelsFit}})},
  });
}

}  // namespace
