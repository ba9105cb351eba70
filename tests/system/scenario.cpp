#include "scenario.h"

#include <commctrl.h>

#include <fstream>
#include <sstream>

#include "input.h"

namespace driver {

namespace {
// `text` is `pattern`, in which "*" stands for any run of characters.
bool Matches(const std::string& text, const std::string& pattern) {
  std::istringstream parts(pattern);
  size_t at = 0;
  for (std::string part; std::getline(parts, part, '*');) {
    const size_t found = text.find(part, at);
    if (found == std::string::npos || (at == 0 && found != 0)) return false;  // the first part starts the text
    at = found + part.size();
  }
  return at == text.size() || pattern.back() == '*';
}
std::string HelpFile() { return NapkeyPath().substr(0, NapkeyPath().find_last_of('\\') + 1) + "napkey.hlp"; }
}  // namespace

HWND HelpPane() {
  for (HWND viewer : harness::Windows(0, "MS_WINHELP")) return FindWindowExA(viewer, nullptr, "RichEdit20A", nullptr);
  return nullptr;
}

std::string HelpText() {
  std::string text = harness::WindowText(HelpPane());
  for (size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at + 1, 1);
  return text;
}

bool HelpShows(const std::string& title) {
  const auto topic = [] { return HelpText().substr(0, HelpText().find('\r')); };
  const bool shown = harness::WaitUntil([&] { return topic() == title; }, 20000);
  EXPECT_TRUE(shown) << title << " wanted, shown: " << topic();
  return shown;
}

void HelpContents() {
  ASSERT_TRUE(WinHelpA(nullptr, HelpFile().c_str(), HELP_CONTENTS, 0));
  ASSERT_TRUE(HelpShows("Drowsel/Plus Help"));
  for (HWND viewer : harness::Windows(0, "MS_WINHELP", true))
    SetWindowPos(viewer, nullptr, 0, 0, 400, 740, SWP_NOZORDER | SWP_NOACTIVATE);
}

void ScenarioTest::TearDown() {
  WinHelpA(nullptr, HelpFile().c_str(), HELP_QUIT, 0);  // the viewer belongs to no test
  EXPECT_TRUE(harness::WaitUntil([] { return harness::Windows(0, "MS_WINHELP", true).empty(); }, 20000));
  SystemTest::TearDown();
}

void ScenarioTest::Run(const std::vector<Scenario>& scenarios) {
  for (const Scenario& scenario : scenarios)
    for (std::istringstream modes(scenario.modes); modes >> mode;) {
      SCOPED_TRACE(std::string(scenario.label) + " (" + mode + ")");
      RunIn(scenario);
    }
}

void ScenarioTest::RunIn(const Scenario& scenario) {
  flags = scenario.flags;
  ASSERT_TRUE(Start(scenario.ini, flags));
  dialog = nullptr;
  widthBefore = BarWidth();
  workingKeys = 0;
  for (size_t i = 0; i < scenario.steps.size(); ++i) {
    SCOPED_TRACE("step " + std::to_string(i + 1));
    Do(scenario.steps[i]);
    if (HasFatalFailure()) break;
  }
  if (dialog && IsWindow(dialog)) Answer(dialog, IDCANCEL);
  if (napkey.Running()) EXPECT_TRUE(Exit());
}

HWND ScenarioTest::Page() const {
  HWND page = dialog ? reinterpret_cast<HWND>(SendMessageA(dialog, PSM_GETCURRENTPAGEHWND, 0, 0)) : nullptr;
  return page ? page : dialog;
}

HWND ScenarioTest::Control(int id) const {
  if (!dialog || !IsWindow(dialog)) return Button(id);
  HWND control = GetDlgItem(Page(), id);
  return control ? control : GetDlgItem(dialog, id);
}

long ScenarioTest::BarWidth() const {
  RECT bar = {};
  GetWindowRect(main, &bar);
  return bar.right - bar.left;
}

void ScenarioTest::Do(const Step& step) {
  HWND control = Control(step.id);
  const auto waitFor = [](const std::function<bool()>& predicate) { return harness::WaitUntil(predicate, 20000); };
  if (step.op >= kOnPage && napkey.Running()) ASSERT_TRUE(Alive()) << "the program does not answer";
  switch (step.op) {
    case kPost: Post(step.id, step.value, step.extra); break;
    case kSend: Send(step.id, step.value, step.extra); break;
    case kCommand: Post(WM_COMMAND, step.id); break;
    case kOpen: Post(WM_COMMAND, step.id); [[fallthrough]];
    case kDialog: ASSERT_TRUE(dialog = Dialog(step.text)); break;
    case kPage:
      PostMessageA(dialog, PSM_SETCURSEL, step.value, 0);
      ASSERT_TRUE(Alive());
      break;
    case kClick: Click(control, step.value); break;
    case kRightClick: {
      const POINT at = harness::CentreOf(control);
      harness::MouseMoveTo(at.x, at.y);
      for (bool down : {true, false}) harness::MouseButton(true, down);
      break;
    }
    case kType:
      Click(control);
      for (int i = 0; i < 13; ++i) harness::KeyTap(i ? VK_BACK : VK_END);
      harness::TypeDigits(step.text);
      EXPECT_TRUE(waitFor([&] { return harness::WindowText(control) == step.text; }));
      break;
    case kKeys: for (int i = 0; i < step.id; ++i) harness::KeyTap(static_cast<WORD>(step.value)); break;
    case kHostKey: EXPECT_TRUE(harness::HostKeysTo(dialog, (std::string("key ") + step.text).c_str())); break;
    case kCloseBox: {
      RECT frame;
      const int inset = GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
      if (GetWindowRect(dialog, &frame)) harness::ClickAt(frame.right - inset, frame.top + inset);
      break;
    }
    case kAnswer:
      Answer(dialog, step.id);
      dialog = nullptr;  // it may linger a moment after it is hidden
      break;
    case kBox: {
      const harness::MessageBoxInfo box = Box(step.caption ? step.caption : "Drowsel/Plus");
      ASSERT_TRUE(box.window);
      EXPECT_TRUE(box.hasIcon);
      EXPECT_TRUE(Matches(box.text, step.text)) << box.text;
      if (!dialog) EXPECT_EQ(main, box.owner);
      if (step.value) EXPECT_EQ(step.value, box.defaultButton);
      Answer(box.window, step.id ? step.id : IDOK);
      break;
    }
    case kMenuKey:
      // Keys reach the program in the order pressed: once a working key's
      // menu is up, a dead key pressed before it has been handled too.
      PressCtrlAlt(step.text);
      if (!step.value) break;
      Menu(false);
      EXPECT_EQ(++workingKeys, Count(WM_HOTKEY)) << "a key that should be dead worked";
      break;
    case kHotKey: PressCtrlAlt(step.text); break;
    case kSelectSaver:
      SelectSaverInSystemIni(step.text);
      SendMessageTimeoutA(main, WM_SETTINGCHANGE, 0, 0, SMTO_NORMAL, 200, nullptr);
      break;
    case kFlagElsewhere: AnotherProgramSetsSaverFlag(step.value != 0); break;
    case kRun: {
      bool help = true;
      EXPECT_EQ(static_cast<DWORD>(step.value), RunCommand(step.text, &help)) << step.text;
      EXPECT_FALSE(help) << step.text;
      break;
    }
    case kRestart:
      if (napkey.Running()) ASSERT_TRUE(Exit());
      ASSERT_TRUE(Start(nullptr, (flags & kRecording) | kKeepState, step.text ? step.text : ""));
      break;
    case kExit:
      EXPECT_TRUE(Exit() && waitFor([] { return harness::Windows(0, "MS_WINHELP", true).empty(); })) << "help open";
      break;
    case kEscape:
      PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
      EXPECT_TRUE(waitFor([&] { return !IsWindowVisible(dialog); }));
      break;
    case kTrayRestart:
      tray.ClearRequests();
      tray.AnnounceRestart();
      EXPECT_TRUE(waitFor([&] { return tray.Requests().size() == static_cast<size_t>(step.value); }));
      for (const std::string& request : tray.Requests()) EXPECT_EQ(0u, request.find("ADD ")) << request;
      break;
    case kRefuse: std::ofstream(FixturePath("exitrec\\") + step.text + ".refuse").put('.'); break;
    case kSetValue: SetUserValue(step.text, step.caption); break;
    case kHelpAsk:
      HelpContents();
      if (dialog) Click(control);
      else Post(WM_COMMAND, step.id);
      if (step.value) harness::KeyTap(VK_F1);
      HelpShows(step.text);
      break;
    case kMark: mark = GetTickCount(); break;
    case kWaitPast: waitFor([&] { return GetTickCount() - mark > GetDoubleClickTime(); }); break;
    case kHelpShows: HelpShows(step.text); break;
    case kSinceMark: EXPECT_GE(GetTickCount() - mark, GetDoubleClickTime() - 20); break;
    case kMenuShown: Menu(false); break;
    case kFocus:
      EXPECT_EQ(control, harness::FocusOf(dialog));
      for (HWND button = GetWindow(dialog, GW_CHILD); button; button = GetWindow(button, GW_HWNDNEXT))
        EXPECT_NE(BS_DEFPUSHBUTTON, GetWindowLongA(button, GWL_STYLE) & 0x0F) << "a default button";
      break;
    case kOnPage: EXPECT_EQ(step.value, SendMessageA(PropSheet_GetTabControl(dialog), TCM_GETCURSEL, 0, 0)); break;
    case kShows:
      EXPECT_TRUE(waitFor([&] { return Matches(harness::WindowText(control), step.text); })) << harness::WindowText(control);
      break;
    case kHotKeyField:
      EXPECT_TRUE(waitFor([&] { return SendMessageA(control, HKM_GETHOTKEY, 0, 0) == step.value; }))
          << SendMessageA(control, HKM_GETHOTKEY, 0, 0);
      break;
    case kEnabled: EXPECT_EQ(step.value != 0, IsWindowEnabled(control) != FALSE) << step.id; break;
    case kChecked: EXPECT_EQ(step.value != 0, SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED) << step.id; break;
    case kLabelsFit: EXPECT_EQ(std::vector<std::string>(), harness::ClippedLabels(Page())); break;
    case kClosed: EXPECT_TRUE(waitFor([&] { return !IsWindow(dialog); })); break;
    case kNoBox:  // a box would be open by now, its loop having taken the marker
      EXPECT_EQ(nullptr, harness::WaitForDialog(step.text ? step.text : "Drowsel/Plus", napkey.Pid(), 0));
      break;
    case kCount: {
      const auto count = [&] { return spy->Count(step.id, step.extra, !step.extra); };
      EXPECT_TRUE(waitFor([&] { return count() >= step.value; }) && count() == step.value) << count();
      break;
    }
    case kTrayIcon:
      EXPECT_TRUE(waitFor([&] { return tray.Has(step.id) == (step.value != 0); })) << step.id;
      if (step.text) EXPECT_TRUE(waitFor([&] { return Matches(tray.Tip(step.id), step.text); })) << tray.Tip(step.id);
      if (step.extra && tray.Has(step.id)) {
        EXPECT_EQ(main, tray.Icons().at(step.id).owner);
        EXPECT_EQ(static_cast<UINT>(step.extra), tray.Icons().at(step.id).callback);
      }
      break;
    case kBarShown: EXPECT_TRUE(waitFor([&] { return (IsWindowVisible(main) != FALSE) == (step.value != 0); })); break;
    case kBarChanged: EXPECT_TRUE(waitFor([&] { return (BarWidth() != widthBefore) == (step.value != 0); })); break;
    case kOnTop: EXPECT_EQ(step.value != 0, (GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0); break;
    case kMenuItem: {
      harness::SpiedMenuItem found;
      for (const harness::SpiedMenuItem& item : Menu())
        if (item.id == static_cast<UINT>(step.id)) found = item;
      EXPECT_EQ(step.text, found.text);
      EXPECT_EQ(step.value != 0, (found.state & MF_GRAYED) != 0);
      break;
    }
    case kValue:
      EXPECT_TRUE(waitFor([&] { return Matches(UserValue(step.text), step.caption ? step.caption : "<absent>"); }))
          << UserValue(step.text);
      break;
    case kSaverFlag: EXPECT_TRUE(waitFor([&] { return SystemSaverActive() == (step.value != 0); })); break;
    case kSaverIni: {
      char path[MAX_PATH] = "";
      if (!step.value || !GetShortPathNameA(TestSaverPath().c_str(), path, MAX_PATH))
        lstrcpynA(path, TestSaverPath().c_str(), MAX_PATH);
      EXPECT_EQ(step.text ? step.text : path, SaverInSystemIni());
      break;
    }
    case kSaverRan:
      if (step.value) {
        ASSERT_TRUE(waitFor([] { return !SaverLog().empty(); })) << "the saver did not start";
        EXPECT_EQ(TestSaverPath() + " /s", SaverLog()[0]);
        CloseTestSavers();
      } else {
        EXPECT_TRUE(SaverLog().empty());
      }
      break;
    case kExitAsked: {
      std::string all, want = step.text ? step.text : "";
      const auto read = [&] { all.clear(); for (const auto& line : ExitRequests()) all += line + "\n"; return all == want; };
      EXPECT_TRUE(waitFor(read)) << all;
      break;
    }
    case kEnded: EXPECT_EQ(0u, napkey.WaitExit()); break;
    case kIni:
    case kExitIni:
      if (step.op == kExitIni && napkey.Running()) ASSERT_TRUE(Exit());
      EXPECT_EQ(step.value, IniInt(step.text)) << step.text;
      break;
  }
}

}  // namespace driver
