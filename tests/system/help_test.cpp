// The help file as a user meets it: the system's help viewer opens napkey.hlp
// at every context number the program asks for, follows the contents' links,
// and each Help button and F1 of the program brings it up at its dialog's
// topic.
#include "driver.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "input.h"

namespace {

using namespace driver;

const char kContents[] = "Drowsel/Plus Help";
const char kOverview[] = "Drowsel/Plus at a glance";     // context 3
const char kProperties[] = "Screen Saver Properties";    // context 12
const char kCustomize[] = "Customize Drowsel/Plus";      // context 4

class HelpViewer : public SystemTest {
 protected:
  void TearDown() override {
    // The viewer belongs to no test: close it, whoever started it.
    WinHelpA(nullptr, File().c_str(), HELP_QUIT, 0);
    EXPECT_TRUE(harness::WaitUntil([] { return harness::Windows(0, "MS_WINHELP", true).empty(); }, 20000));
    SystemTest::TearDown();
  }
  // napkey.hlp beside napkey.exe, where the program looks for it.
  static std::string File() {
    const std::string exe = NapkeyPath();
    return exe.substr(0, exe.find_last_of('\\') + 1) + "napkey.hlp";
  }
  // The text pane of the visible viewer, or null.
  static HWND Pane() {
    for (HWND viewer : harness::Windows(0, "MS_WINHELP", true))
      if (IsWindowVisible(viewer)) return FindWindowExA(viewer, nullptr, "RichEdit20A", nullptr);
    return nullptr;
  }
  // The topic shown, as its pane holds it; a paragraph ends in "\r".
  static std::string Text() {
    std::string text = harness::WindowText(Pane());
    for (size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at + 1, 1);
    return text;
  }
  // The first line of the topic shown: its title.
  static std::string Topic() {
    const std::string text = Text();
    return text.substr(0, text.find('\r'));
  }
  static bool Shows(const std::string& title) {
    return harness::WaitUntil([&] { return Topic() == title; }, 20000);
  }
  // Moves the viewer to the contents, out of the way of the program's
  // dialogs, so that the next topic it shows proves a new request.
  void ShowContents() {
    ASSERT_TRUE(WinHelpA(nullptr, File().c_str(), HELP_CONTENTS, 0));
    ASSERT_TRUE(Shows(kContents)) << Topic();
    for (HWND viewer : harness::Windows(0, "MS_WINHELP", true))
      SetWindowPos(viewer, nullptr, 0, 0, 400, 740, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  // Clicks the link that reads `label` in the topic shown.
  void FollowLink(const std::string& label) {
    const size_t at = Text().find(label);
    ASSERT_NE(std::string::npos, at) << label;
    const LRESULT place = SendMessageA(Pane(), EM_POSFROMCHAR, at + 1, 0);
    POINT point{static_cast<short>(LOWORD(place)) + 2, static_cast<short>(HIWORD(place)) + 4};
    ClientToScreen(Pane(), &point);
    harness::ClickAt(point.x, point.y);
  }
  // From the contents, asks for help in `dialog`: a click on its control
  // `id`, or F1 with the focus there; the viewer must come to `title`.
  void Ask(HWND dialog, int id, bool f1, const char* title) {
    ShowContents();
    Click(GetDlgItem(dialog, id));
    if (f1) harness::KeyTap(VK_F1);
    EXPECT_TRUE(Shows(title)) << harness::WindowText(dialog) << " " << id << (f1 ? " F1: " : ": ") << Topic();
  }
};

// Every link of the contents leads to the topic of that title. (Each context
// number the program asks for is followed through the program below.)
TEST_F(HelpViewer, EveryContentsLinkOpensItsTopic) {
  ShowContents();
  std::vector<std::string> links;
  const std::string contents = Text();
  for (size_t at = 0; (at = contents.find("\x95\t", at)) != std::string::npos; at += 2)
    links.push_back(contents.substr(at + 2, contents.find('\r', at) - at - 2));
  EXPECT_GE(links.size(), 8u);
  for (const std::string& link : links) {
    ShowContents();
    FollowLink(link);
    EXPECT_TRUE(Shows(link)) << link << " -> " << Topic();
  }
}

// Quick Help's "Yes", the menu's Help, and the Help button and F1 of every
// dialog, on the real program: each brings the viewer to its topic, and the
// program's exit closes the viewer it opened.
TEST_F(HelpViewer, EveryHelpButtonAndF1ShowsItsDialogsTopic) {
  ResetSystem("win95", nullptr, true);
  InstallSavers();
  SelectSaverInSystemIni(WindowsFile("testsaver.scr").c_str());
  ASSERT_TRUE(Start(nullptr, kKeepState));
  Answer(Dialog("Welcome to Drowsel/Plus!"), IDOK);
  EXPECT_TRUE(Shows(kOverview)) << Topic();

  ShowContents();
  Post(WM_COMMAND, IDM_HELP);
  EXPECT_TRUE(Shows(kOverview)) << Topic();

  Post(WM_COMMAND, IDM_SAVER_PROPERTIES);
  HWND props = Dialog("Screen Saver Properties");
  ASSERT_TRUE(props);
  Ask(props, IDC_PROPS_HELP, false, kProperties);
  Ask(props, IDC_PROPS_SECONDS, true, kProperties);
  Click(GetDlgItem(props, IDC_PROPS_INFO));
  HWND info = Dialog("Screen Saver Information");
  ASSERT_TRUE(info);
  Ask(info, IDC_INFO_HELP, false, kProperties);
  Ask(info, IDC_INFO_LIST, true, kProperties);
  Answer(info, IDOK);
  Answer(props, IDCANCEL);

  Post(WM_COMMAND, IDM_CUSTOMIZE);
  HWND sheet = Dialog("Customize Drowsel/Plus");
  ASSERT_TRUE(sheet);
  Ask(sheet, IDHELP, false, kCustomize);
  const struct {
    int control;
    const char* title;
  } kPages[] = {{IDC_TI_SHOW, "Taskbar Icons page"}, {IDC_BB_SHOW, "Button Bar page"},
                {IDC_FE_FIRST, "Fast Exit page"}, {IDC_HK_FIRST, "Hot Keys"}};
  for (int page = 0; page < 4; ++page) {
    PostMessageA(sheet, PSM_SETCURSEL, page, 0);
    ASSERT_TRUE(Alive());
    Ask(reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)), kPages[page].control, true,
        kPages[page].title);
  }
  Answer(sheet, IDCANCEL);

  Post(WM_COMMAND, IDM_WINDOWS_EXIT);
  HWND choice = Dialog("Get Out Of Windows NOW!");
  ASSERT_TRUE(choice);
  Ask(choice, IDC_FAST_EXIT_HELP, false, "Fast Exit");
  Answer(choice, IDCANCEL);

  ASSERT_TRUE(Exit());
  EXPECT_TRUE(harness::WaitUntil([] { return harness::Windows(0, "MS_WINHELP", true).empty(); }, 20000))
      << "the program's exit closes the viewer it opened";
}

}  // namespace
