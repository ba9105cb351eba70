// Scenarios as rows: Windows modes, a napkey.ini and start flags, then steps that act on the program and check
// what it shows; start and exit are implicit. Each op says what `id`, `value`, `text` and `extra` mean. A check
// is made once the running program has handled all sent before.
#ifndef NAPKEY_TESTS_SYSTEM_SCENARIO_H
#define NAPKEY_TESTS_SYSTEM_SCENARIO_H

#include <vector>

#include "driver.h"
#include "faketray.h"

namespace driver {

enum Op {  // acting and waiting first
  kPost,        // post message `id` (wParam `value`, lParam `extra`) to the main window
  kSend,        // the same, sent
  kCommand,     // the menu command `id`
  kDialog,      // the program's dialog captioned `text` comes up; later steps act on it
  kPage,        // the dialog (a property sheet) turns to page `value`, as its tab does
  kClick,       // click control `id` of the open dialog (its page first), else of the bar, `value` px right of centre
  kRightClick,  // the right button goes down and up on control `id` (as kClick)
  kType,        // empty field `id` and type `text`
  kKeys,        // tap key `value` `id` times in the focused control
  kHostKey,     // press `text` (xdotool's name) on the X server into the dialog
  kCloseBox,    // click the dialog's close box
  kAnswer,      // press button `id` of the dialog and wait until it is gone; later steps act on the bar
  kBox,         // a message box captioned `caption` ("Drowsel/Plus" when null) with an icon, owned by the main window
                // unless a dialog is open, says `text` ("*": any run); default button `value`; answered `id` (or OK)
  kMenuKey,     // Ctrl+Alt+`text` opens the program's menu when `value`; a dead key is proven by the next working one
  kHotKey,      // Ctrl+Alt+`text` pressed once the program has settled
  kOpen,        // the menu command `id`, and its dialog captioned `text` comes up; later steps act on it
  kSelectSaver, // system.ini's saver becomes `text` and the program hears of a settings change
  kFlagElsewhere, // another program sets the saver flag to `value` and announces it
  kRun,         // napkey.exe `text` runs to its end with exit code `value`, showing no window
  kRestart,     // exit (unless ended), then start again from the state left, with the command line `text`
  kExit,        // the program is closed from its menu, ends with 0 and leaves no help viewer open
  kEscape,      // Esc is posted to the dialog, which closes
  kTrayRestart, // the taskbar is re-created: the shown icons are asked for again, `value` of them
  kRefuse,      // the exit recorder is told to refuse: `text` is "exit" (the request) or "privilege"
  kSetValue,    // the HKCU string value `text` (key\\...\\value) is set to `caption`, deleted when null
  kHelpAsk,     // from the viewer's contents, kClick (and F1 when `value`) or the menu command `id` shows topic `text`
  kMark,        // the time is noted
  kWaitPast,    // waits until the double-click time has passed since the mark
  kMenuShown,   // the program's menu (opened by an earlier step) is up; it is closed with Esc
  kEnded,       // the program ended by itself, with exit code 0
  // The checks.
  kOnPage,      // the dialog shows page `value`
  kShows,       // control `id` of the dialog, or of the bar without a dialog, comes to show `text` ("*": any run)
  kHotKeyField, // hot-key control `id` comes to hold the code `value`
  kHelpShows,   // the help viewer comes to the topic titled `text`
  kSinceMark,   // at least the double-click time (less 20 ms) has passed since the mark
  kEnabled,     // control `id` is enabled when `value`
  kChecked,     // control `id` is checked when `value`
  kLabelsFit,   // every label of the dialog (its page) shows its whole text
  kClosed,      // the dialog has closed
  kNoBox,       // the program shows no dialog captioned `text` (no message box when null)
  kFocus,       // control `id` of the dialog has the focus, and no button is the default one
  kCount,       // the program has received message `id` `value` times (wParam `extra` when not 0)
  kTrayIcon,    // tray icon `id` is shown when `value`, with the tip `text` ("*": any run) and callback `extra` if given
  kBarShown,    // the bar is visible when `value`
  kBarChanged,  // the bar's width differs from its width at the start when `value`
  kOnTop,       // the bar stays above other windows when `value`
  kMenuItem,    // the program's menu holds item `id` with text `text`, greyed when `value`
  kValue,       // the HKCU string value `text` comes to be `caption` ("*": any run), absent when null
  kSaverFlag,   // the system's saver flag comes to be on when `value`
  kSaverIni,    // system.ini names `text` as the saver (when null the test saver, in its short form when `value`)
  kSaverRan,    // the test saver was started to run full screen when `value`, else nothing was started
  kExitAsked,   // the exit recorder comes to hold the lines `text` (each ending in \n), or none when null
  kIni,         // napkey.ini has `text` ("Section/Key") = `value` (-9: absent)
  kExitIni,     // after the program exits, napkey.ini has `text` = `value`
};

struct Step {
  Op op;
  int id = 0;
  int value = 0;
  const char* text = nullptr;
  long extra = 0;
  const char* caption = nullptr;
};

struct Scenario {
  const char* label;
  const char* modes;  // the Wine modes it runs in, separated by blanks
  const char* ini;
  unsigned flags;
  std::vector<Step> steps;
};

// The help viewer's topic text (paragraphs end in "\r") and pane; its contents, moved out of the way of the
// program's dialogs, so that the next topic it shows proves a new request.
std::string HelpText();
HWND HelpPane();
void HelpContents();
bool HelpShows(const std::string& title);

class ScenarioTest : public SystemTest {
 protected:
  void TearDown() override;
  std::string Mode() const override { return mode; }
  // Runs each scenario once in each of its modes.
  void Run(const std::vector<Scenario>& scenarios);

 private:
  void RunIn(const Scenario& scenario);
  void Do(const Step& step);
  HWND Page() const;
  HWND Control(int id) const;
  long BarWidth() const;
  std::string mode = "win95";
  unsigned flags = 0;
  HWND dialog = nullptr;
  long widthBefore = 0;
  int workingKeys = 0;
  DWORD mark = 0;
  harness::FakeTray tray;
};

}  // namespace driver

#endif
