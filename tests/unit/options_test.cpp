#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/startup.h"
#include "settings/options.h"

namespace {

// An in-memory settings file, keyed "section/key", that also records the order of the writes.
struct FakeProfile {
  std::map<std::string, std::string> values;
  std::vector<std::string> writes;
  const ProfileIo io{ReadInt, HasKey, WriteText, this};
  FakeProfile() = default;
  FakeProfile(const FakeProfile&) = delete;  // io points at this object
  std::string Get(const std::string& name) const { return values.count(name) ? values.at(name) : std::string(); }

  static std::string Name(const char* section, const char* key) { return std::string(section) + "/" + key; }
  static FakeProfile& Of(void* ctx) { return *static_cast<FakeProfile*>(ctx); }
  static int ReadInt(void* ctx, const char* section, const char* key, int fallback) {  // like GetPrivateProfileInt
    const auto& values = Of(ctx).values;
    const auto it = values.find(Name(section, key));
    return it == values.end() ? fallback : static_cast<int>(std::strtol(it->second.c_str(), nullptr, 10));
  }
  static int HasKey(void* ctx, const char* section, const char* key) {
    return !Of(ctx).Get(Name(section, key)).empty();
  }
  static void WriteText(void* ctx, const char* section, const char* key, const char* text) {
    Of(ctx).writes.push_back(Name(section, key));
    Of(ctx).values[Name(section, key)] = text;
  }
};

TEST(OptionsLoad, StartupFixupsKeepOneSurfaceReachable) {
  // Show of the Fast Exit icon, the saver icon and the bar: as stored, as loaded.
  struct { const char* label; int level; const char* stored[3]; std::vector<int32_t> loaded; } const cases[] = {
      {"all hidden on a new shell: all shown", 4, {"0", "0", "0"}, {1, 1, 1}},
      {"one surface shown is enough", 4, {"0", "1", "0"}, {0, 1, 0}},
      {"old shell: no icons, always the bar", 3, {"1", "1", "0"}, {0, 0, 1}},
  };
  for (const auto& c : cases) {
    FakeProfile file;
    file.values = {{"FastExitTaskbarIcon/Show", c.stored[0]}, {"TaskbarIcon/Show", c.stored[1]},
                   {"ButtonBar/Show", c.stored[2]}};
    Options o(c.level);
    o.Load(file.io, c.level);
    EXPECT_EQ(c.loaded, (std::vector<int32_t>{o.FastExitTaskbarIcon.Show, o.TaskbarIcon.Show, o.ButtonBar.Show}))
        << c.label;
  }
  EXPECT_EQ(1, Options(3).startPage) << "without taskbar icons the sheet opens at the Button Bar page";
  EXPECT_EQ(0, Options(4).startPage);
}

TEST(OptionsLoad, StoredValuesAreClampedOrKept) {
  struct { const char *key, *stored, *saved; } const cases[] = {
      {"TaskbarIcon/SingleClick", "4", "1"}, {"TaskbarIcon/SingleClick", "3", "3"},
      {"TaskbarIcon/DoubleClick", "-1", "2"}, {"TaskbarIcon/DoubleClick", "0", "0"},
      {"ButtonBar/ButtonSize", "3", "0"}, {"ButtonBar/ButtonSize", "2", "2"},
      {"Fast Exit/FastExitOpt", "6", "0"}, {"Fast Exit/FastExitOpt", "5", "5"}, {"Fast Exit/FastExitOpt", "-1", "0"},
      {"Position/Edge", "5", "1"}, {"Position/Edge", "4", "4"}, {"Position/Orient", "3", "1"},
      {"Position/Orient", "2", "2"}, {"ButtonBar/Selection", "16", "15"}, {"ButtonBar/Selection", "0", "15"},
      {"ButtonBar/Selection", "17", "17"}, {"ButtonBar/SpaceBetween", "-5", "-5"}, {"ButtonBar/Border", "-5", "-5"},
      {"Hot Keys/StartSS", "70000", "4464"},
  };
  for (const auto& c : cases) {
    FakeProfile file, saved;
    file.values[c.key] = c.stored;
    Options o(4);
    o.Load(file.io, 4);
    o.Save(saved.io);
    EXPECT_EQ(c.saved, saved.Get(c.key)) << c.key << "=" << c.stored;
  }
}

TEST(OptionsSave, EveryKeyInFileOrderAndBackUnchanged) {
  FakeProfile file;
  Options o(4);
  o.Load(file.io, 4);
  o.HotKeys.Menu = 0xFFFF;
  o.Position.SetXY(-7, 300);
  o.ButtonBar.SpaceBetween = -5;
  o.Save(file.io);
  const std::vector<std::string> order = {
      "FastExitTaskbarIcon/Show", "FastExitTaskbarIcon/ExitOnSingleClick", "TaskbarIcon/Show",
      "TaskbarIcon/SingleClick", "TaskbarIcon/DoubleClick", "ButtonBar/Show", "ButtonBar/OnTop",
      "ButtonBar/ButtonSize", "ButtonBar/SpaceBetween", "ButtonBar/Border", "ButtonBar/Tooltips",
      "ButtonBar/Selection", "Fast Exit/FastExitOpt", "Hot Keys/StartSS", "Hot Keys/BringToFg", "Hot Keys/FastExit",
      "Hot Keys/ToggleSS", "Hot Keys/Menu", "Hot Keys/SSPropsDlg", "Hot Keys/Customize", "Position/X", "Position/Y",
      "Position/Edge", "Position/Orient"};
  EXPECT_EQ(order, file.writes);
  EXPECT_EQ("65535", file.Get("Hot Keys/Menu")) << "hot keys are unsigned";
  Options back(4);
  back.Load(file.io, 4);
  EXPECT_EQ((std::vector<int32_t>{0xFFFF, -7, 300, -5}),
            (std::vector<int32_t>{back.HotKeys.Menu, back.Position.X, back.Position.Y, back.ButtonBar.SpaceBetween}));
}

TEST(OptionsHelpers, ButtonCountHideBarRuleAndUnknownActionName) {
  ButtonBarOptions bar;
  bar.Selection = 0x30 | kButtonToggle | kButtonFastExit;
  EXPECT_EQ(2, bar.CountButtons()) << "bits above the four buttons count for nothing";

  Options o(4);
  EXPECT_TRUE(BarMayBeHidden(o, 4));
  o.TaskbarIcon.Show = 0;
  EXPECT_TRUE(BarMayBeHidden(o, 4)) << "the Fast Exit icon remains";
  o.FastExitTaskbarIcon.Show = 0;
  EXPECT_FALSE(BarMayBeHidden(o, 4));
  o.TaskbarIcon.Show = 1;
  EXPECT_FALSE(BarMayBeHidden(o, 3)) << "no notification area below level 4";

  EXPECT_STREQ(FastExitActionName(kFastExitAsk), FastExitActionName(kFastExitActionCount));
  EXPECT_STREQ(FastExitActionName(kFastExitAsk), FastExitActionName(-1));
}

TEST(StartupState, FirstStartUntilRecordedBothKeysInOrder) {
  FakeProfile file;
  file.values["Drowsel/StartSSOnStart"] = "1";
  StartupState first;
  first.Load(file.io);
  EXPECT_TRUE(first.firstStart) << "StartSSOnStart alone records no start";
  first.DisableOnStart = 1;
  first.RecordStart(file.io);
  EXPECT_EQ((std::vector<std::string>{"Drowsel/DisableOnStart", "Drowsel/StartSSOnStart"}), file.writes);
  StartupState second;
  second.Load(file.io);
  EXPECT_FALSE(second.firstStart);
  EXPECT_EQ(std::make_pair(1, 1), std::make_pair(second.DisableOnStart, second.StartSSOnStart));
}

}  // namespace
