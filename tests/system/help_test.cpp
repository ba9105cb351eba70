// The help file as a user meets it in the system's viewer: its contents'
// links, and every context number the program asks for.
#include "input.h"
#include "scenario.h"

#include <commctrl.h>

namespace {

using namespace driver;

const char kOverview[] = "Drowsel/Plus at a glance";     // context 3
const char kProperties[] = "Screen Saver Properties";    // context 12
const char kCustomize[] = "Customize Drowsel/Plus";      // context 4

class HelpViewer : public ScenarioTest {};

// Every link of the contents leads to the topic of that title. (Each context
// number the program asks for is followed through the program below.)
TEST_F(HelpViewer, EveryContentsLinkOpensItsTopic) {
  HelpContents();
  std::vector<std::string> links;
  const std::string contents = HelpText();
  for (size_t at = 0; (at = contents.find("\x95\t", at)) != std::string::npos; at += 2)
    links.push_back(contents.substr(at + 2, contents.find('\r', at) - at - 2));
  EXPECT_GE(links.size(), 8u);
  for (const std::string& link : links) {
    HelpContents();
    const LRESULT place = SendMessageA(HelpPane(), EM_POSFROMCHAR, HelpText().find(link) + 1, 0);
    POINT point{static_cast<short>(LOWORD(place)) + 2, static_cast<short>(HIWORD(place)) + 4};
    ClientToScreen(HelpPane(), &point);
    harness::ClickAt(point.x, point.y);
    EXPECT_TRUE(HelpShows(link));
  }
}

// Quick Help's "Yes", the menu's Help, and the Help button and F1 of every
// dialog: each brings the viewer to its topic, and the program's exit closes
// the viewer it opened.
TEST_F(HelpViewer, EveryHelpButtonAndF1ShowsItsDialogsTopic) {
  Run({{"every help button and F1", "win95", nullptr, kFirstStart | kInstalled,
        {{kDialog, 0, 0, "Welcome to Drowsel/Plus!"}, {kAnswer, IDOK}, {kHelpShows, 0, 0, kOverview},
         {kHelpAsk, IDM_HELP, 0, kOverview}, {kOpen, IDM_SAVER_PROPERTIES, 0, kProperties},
         {kHelpAsk, IDC_PROPS_HELP, 0, kProperties}, {kHelpAsk, IDC_PROPS_SECONDS, 1, kProperties},
         {kClick, IDC_PROPS_INFO}, {kDialog, 0, 0, "Screen Saver Information"}, {kHelpAsk, IDC_INFO_HELP, 0, kProperties},
         {kHelpAsk, IDC_INFO_LIST, 1, kProperties}, {kAnswer, IDOK}, {kDialog, 0, 0, kProperties}, {kAnswer, IDCANCEL},
         {kOpen, IDM_CUSTOMIZE, 0, kCustomize}, {kHelpAsk, IDHELP, 0, kCustomize},
         {kHelpAsk, IDC_TI_SHOW, 1, "Taskbar Icons page"}, {kPage, 0, 1}, {kHelpAsk, IDC_BB_SHOW, 1, "Button Bar page"},
         {kPage, 0, 2}, {kHelpAsk, IDC_FE_FIRST, 1, "Fast Exit page"}, {kPage, 0, 3},
         {kHelpAsk, IDC_HK_FIRST, 1, "Hot Keys"}, {kAnswer, IDCANCEL},
         {kOpen, IDM_WINDOWS_EXIT, 0, "Get Out Of Windows NOW!"}, {kHelpAsk, IDC_FAST_EXIT_HELP, 0, "Fast Exit"},
         {kAnswer, IDCANCEL}, {kExit}}}});
}

}  // namespace
