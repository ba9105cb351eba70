#include <gtest/gtest.h>

#include "fake_profile.h"
#include "settings/options.h"

namespace {

Options LoadFrom(const FakeProfile& file, int level) {
  Options options(level);
  options.Load(file.Io(), level);
  return options;
}

TEST(OptionsLoad, NoFileOnNewShellGivesDefaults) {
  FakeProfile file;
  const Options o = LoadFrom(file, 4);
  EXPECT_EQ(1, o.FastExitTaskbarIcon.Show);
  EXPECT_EQ(0, o.FastExitTaskbarIcon.ExitOnSingleClick);
  EXPECT_EQ(1, o.TaskbarIcon.Show);
  EXPECT_EQ(1, o.TaskbarIcon.SingleClick);
  EXPECT_EQ(2, o.TaskbarIcon.DoubleClick);
  EXPECT_EQ(1, o.ButtonBar.Show);
  EXPECT_EQ(1, o.ButtonBar.OnTop);
  EXPECT_EQ(1, o.ButtonBar.Tooltips);
  EXPECT_EQ(15, o.ButtonBar.Selection);
  EXPECT_EQ(0, o.ButtonBar.ButtonSize);
  EXPECT_EQ(4, o.ButtonBar.SpaceBetween);
  EXPECT_EQ(3, o.ButtonBar.Border);
  EXPECT_EQ(0, o.FastExit.FastExitOpt);
  for (int i = 0; i < HotKeyOptions::kCount; ++i) EXPECT_EQ(0, o.HotKeys.KeyAt(i)) << "hot key " << i;
  EXPECT_EQ(-1, o.Position.X);
  EXPECT_EQ(-1, o.Position.Y);
  EXPECT_EQ(1, o.Position.Edge);
  EXPECT_EQ(1, o.Position.Orient);
  EXPECT_EQ(0, o.startPage);
}

TEST(OptionsLoad, AllSurfacesHiddenOnNewShellShowsThemAll) {
  FakeProfile file;
  file.Set("FastExitTaskbarIcon", "Show", "0");
  file.Set("TaskbarIcon", "Show", "0");
  file.Set("ButtonBar", "Show", "0");
  const Options o = LoadFrom(file, 4);
  EXPECT_EQ(1, o.FastExitTaskbarIcon.Show);
  EXPECT_EQ(1, o.TaskbarIcon.Show);
  EXPECT_EQ(1, o.ButtonBar.Show);
}

TEST(OptionsLoad, OneSurfaceShownIsEnough) {
  FakeProfile file;
  file.Set("FastExitTaskbarIcon", "Show", "0");
  file.Set("ButtonBar", "Show", "0");
  const Options o = LoadFrom(file, 4);
  EXPECT_EQ(0, o.FastExitTaskbarIcon.Show);
  EXPECT_EQ(1, o.TaskbarIcon.Show);
  EXPECT_EQ(0, o.ButtonBar.Show);
}

TEST(OptionsLoad, OldShellHasNoIconsAndAlwaysTheBar) {
  FakeProfile file;
  file.Set("FastExitTaskbarIcon", "Show", "1");
  file.Set("TaskbarIcon", "Show", "1");
  file.Set("ButtonBar", "Show", "0");
  const Options o = LoadFrom(file, 3);
  EXPECT_EQ(0, o.FastExitTaskbarIcon.Show);
  EXPECT_EQ(0, o.TaskbarIcon.Show);
  EXPECT_EQ(1, o.ButtonBar.Show);
  EXPECT_EQ(1, o.startPage) << "the sheet opens at the Button Bar page without taskbar icons";
}

struct ClampCase {
  const char* section;
  const char* key;
  const char* stored;
  int expected;
};

void PrintTo(const ClampCase& c, std::ostream* os) { *os << c.section << "/" << c.key << "=" << c.stored; }

class OptionsClampAtLoad : public ::testing::TestWithParam<ClampCase> {};

int FieldOf(const Options& o, const std::string& section, const std::string& key) {
  if (section == "TaskbarIcon" && key == "SingleClick") return o.TaskbarIcon.SingleClick;
  if (section == "TaskbarIcon" && key == "DoubleClick") return o.TaskbarIcon.DoubleClick;
  if (section == "ButtonBar" && key == "ButtonSize") return o.ButtonBar.ButtonSize;
  if (section == "ButtonBar" && key == "Selection") return o.ButtonBar.Selection;
  if (section == "ButtonBar" && key == "SpaceBetween") return o.ButtonBar.SpaceBetween;
  if (section == "ButtonBar" && key == "Border") return o.ButtonBar.Border;
  if (section == "Fast Exit") return o.FastExit.FastExitOpt;
  if (section == "Position" && key == "Edge") return o.Position.Edge;
  if (section == "Position" && key == "Orient") return o.Position.Orient;
  if (section == "Position" && key == "X") return o.Position.X;
  if (section == "Hot Keys" && key == "StartSS") return o.HotKeys.StartSS;
  if (section == "Hot Keys" && key == "Customize") return o.HotKeys.Customize;
  ADD_FAILURE() << "no field for " << section << "/" << key;
  return 0;
}

TEST_P(OptionsClampAtLoad, StoredValueLoadsAs) {
  const ClampCase& c = GetParam();
  FakeProfile file;
  file.Set(c.section, c.key, c.stored);
  EXPECT_EQ(c.expected, FieldOf(LoadFrom(file, 4), c.section, c.key)) << c.key << "=" << c.stored;
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, OptionsClampAtLoad,
    ::testing::Values(ClampCase{"TaskbarIcon", "SingleClick", "7", 1}, ClampCase{"TaskbarIcon", "SingleClick", "3", 3},
                      ClampCase{"TaskbarIcon", "DoubleClick", "-1", 2}, ClampCase{"TaskbarIcon", "DoubleClick", "0", 0},
                      ClampCase{"ButtonBar", "ButtonSize", "3", 0}, ClampCase{"ButtonBar", "ButtonSize", "2", 2},
                      ClampCase{"Fast Exit", "FastExitOpt", "6", 0}, ClampCase{"Fast Exit", "FastExitOpt", "5", 5},
                      ClampCase{"Position", "Edge", "5", 1}, ClampCase{"Position", "Edge", "4", 4},
                      ClampCase{"Position", "Orient", "3", 1}, ClampCase{"Position", "Orient", "2", 2},
                      ClampCase{"ButtonBar", "Selection", "16", 15}, ClampCase{"ButtonBar", "Selection", "0", 15},
                      ClampCase{"ButtonBar", "Selection", "17", 17},
                      ClampCase{"ButtonBar", "SpaceBetween", "-5", -5}, ClampCase{"ButtonBar", "Border", "-5", -5},
                      ClampCase{"Position", "X", "-1", -1}, ClampCase{"Hot Keys", "StartSS", "70000", 70000 & 0xFFFF},
                      ClampCase{"Hot Keys", "Customize", "1619", 1619}),
    [](const ::testing::TestParamInfo<ClampCase>& info) {
      std::string name = std::string(info.param.key) + "_";
      for (const char* c = info.param.stored; *c; ++c) name += (*c == '-') ? std::string("minus") : std::string(1, *c);
      return name;
    });

TEST(OptionsSave, WritesEveryKeyInSectionAndKeyOrder) {
  FakeProfile file;
  Options o(4);
  o.Load(file.Io(), 4);
  o.Save(file.Io());
  const std::vector<std::string> expected = {
      "FastExitTaskbarIcon/Show", "FastExitTaskbarIcon/ExitOnSingleClick", "TaskbarIcon/Show",
      "TaskbarIcon/SingleClick",  "TaskbarIcon/DoubleClick",              "ButtonBar/Show",
      "ButtonBar/OnTop",          "ButtonBar/ButtonSize",                 "ButtonBar/SpaceBetween",
      "ButtonBar/Border",         "ButtonBar/Tooltips",                   "ButtonBar/Selection",
      "Fast Exit/FastExitOpt",    "Hot Keys/StartSS",                     "Hot Keys/BringToFg",
      "Hot Keys/FastExit",        "Hot Keys/ToggleSS",                    "Hot Keys/Menu",
      "Hot Keys/SSPropsDlg",      "Hot Keys/Customize",                   "Position/X",
      "Position/Y",               "Position/Edge",                        "Position/Orient"};
  EXPECT_EQ(expected, file.WriteOrder());
  EXPECT_EQ("-1", file.Get("Position", "X"));
  EXPECT_EQ("15", file.Get("ButtonBar", "Selection"));
}

TEST(OptionsSave, RoundTripKeepsValuesAndHotKeysUnsigned) {
  FakeProfile file;
  Options o(4);
  o.Load(file.Io(), 4);
  o.HotKeys.Menu = 0xFFFF;
  o.Position.SetXY(-7, 300);
  o.ButtonBar.SpaceBetween = -5;
  o.Save(file.Io());
  EXPECT_EQ("65535", file.Get("Hot Keys", "Menu"));
  const Options back = LoadFrom(file, 4);
  EXPECT_EQ(0xFFFF, back.HotKeys.Menu);
  EXPECT_EQ(-7, back.Position.X);
  EXPECT_EQ(300, back.Position.Y);
  EXPECT_EQ(-5, back.ButtonBar.SpaceBetween);
}

TEST(OptionsHelpers, SetButtonTouchesOnlyTheGivenLowBits) {
  ButtonBarOptions bar;
  bar.Selection = 0x30 | 15;
  bar.SetButton(4 | 0x100, false);
  EXPECT_EQ(0x30 | 11, bar.Selection);
  bar.SetButton(4, true);
  EXPECT_EQ(0x30 | 15, bar.Selection);
  bar.SetSelection(0x35);
  EXPECT_EQ(5, bar.Selection);
  EXPECT_EQ(2, bar.CountButtons());
  bar.Selection = 0x10;
  EXPECT_EQ(0, bar.CountButtons());
}

TEST(OptionsHelpers, GetXYSkipsNullPointers) {
  PositionOptions position;
  position.SetXY(12, 34);
  int32_t x = 0, y = 0;
  position.GetXY(&x, nullptr);
  position.GetXY(nullptr, &y);
  EXPECT_EQ(12, x);
  EXPECT_EQ(34, y);
}

TEST(OptionsHelpers, BarMayBeHiddenOnlyWhileAnIconRemains) {
  Options o(4);
  EXPECT_TRUE(BarMayBeHidden(o, 4));
  o.TaskbarIcon.Show = 0;
  EXPECT_TRUE(BarMayBeHidden(o, 4)) << "the Fast Exit icon remains";
  o.FastExitTaskbarIcon.Show = 0;
  EXPECT_FALSE(BarMayBeHidden(o, 4));
  o.TaskbarIcon.Show = 1;
  EXPECT_FALSE(BarMayBeHidden(o, 3)) << "no notification area below level 4";
}

TEST(OptionsHelpers, FastExitActionNames) {
  EXPECT_STREQ("Exit Windows...", FastExitActionName(0));
  EXPECT_STREQ("Restart Windows 95", FastExitActionName(1));
  EXPECT_STREQ("Restart computer", FastExitActionName(2));
  EXPECT_STREQ("Log Off", FastExitActionName(3));
  EXPECT_STREQ("Shutdown", FastExitActionName(4));
  EXPECT_STREQ("Exit To DOS", FastExitActionName(5));
  EXPECT_STREQ("Exit Windows...", FastExitActionName(6));
  EXPECT_STREQ("Exit Windows...", FastExitActionName(-1));
}

TEST(OptionsHelpers, ClampsKeepOnlyValuesInRange) {
  EXPECT_EQ(3, ClampClickAction(3, 9));
  EXPECT_EQ(9, ClampClickAction(4, 9));
  EXPECT_EQ(9, ClampButtonSize(-1, 9));
  EXPECT_EQ(5, ClampFastExitOpt(5, 0));
  EXPECT_EQ(0, ClampFastExitOpt(-1, 0)) << "a failed choice dialog counts as cancel";
  EXPECT_EQ(4, ClampEdge(4, 1));
  EXPECT_EQ(1, ClampOrient(3, 1));
}

}  // namespace
