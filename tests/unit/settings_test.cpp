// Options as loaded and handed over: the clamps, fix-ups and refusals the system tests do not reach.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/startup.h"
#include "settings/options.h"
#include "settings/pages.h"

namespace {

// An in-memory settings file keyed "section/key", read as GetPrivateProfileInt reads.
struct FakeProfile {
  std::map<std::string, std::string> values;
  ProfileIo Io() { return {ReadInt, HasKey, WriteText, this}; }
  static std::map<std::string, std::string>& Of(void* ctx) { return static_cast<FakeProfile*>(ctx)->values; }
  static std::string Key(const char* section, const char* key) { return std::string(section) + "/" + key; }
  static int ReadInt(void* ctx, const char* section, const char* key, int fallback) {
    const auto it = Of(ctx).find(Key(section, key));
    return it == Of(ctx).end() ? fallback : static_cast<int>(std::strtol(it->second.c_str(), nullptr, 10));
  }
  static int HasKey(void* ctx, const char* section, const char* key) { return Of(ctx).count(Key(section, key)); }
  static void WriteText(void* ctx, const char* s, const char* k, const char* text) { Of(ctx)[Key(s, k)] = text; }
};

TEST(StartupLoad, FixupsKeepOneSurfaceReachableAndOnlyARecordedStartCounts) {
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
    o.Load(file.Io(), c.level);
    EXPECT_EQ(c.loaded, (std::vector<int32_t>{o.FastExitTaskbarIcon.Show, o.TaskbarIcon.Show, o.ButtonBar.Show}))
        << c.label;
  }
  FakeProfile file;
  file.values["Drowsel/StartSSOnStart"] = "1";
  StartupState state;
  state.Load(file.Io());
  EXPECT_TRUE(state.firstStart) << "StartSSOnStart alone records no start";
}

// Each clamp at the first value it refuses (the system tests load the largest each keeps but SingleClick's);
// the bar's spacing and border have none.
TEST(OptionsLoad, StoredValuesAreClampedOrKeptAndOddValuesCountForNothing) {
  struct { const char *key, *stored, *saved; } const cases[] = {
      {"TaskbarIcon/SingleClick", "4", "1"}, {"TaskbarIcon/SingleClick", "3", "3"},
      {"TaskbarIcon/DoubleClick", "-1", "2"}, {"ButtonBar/ButtonSize", "3", "0"}, {"Fast Exit/FastExitOpt", "6", "0"},
      {"Fast Exit/FastExitOpt", "-1", "0"}, {"Position/Edge", "5", "1"}, {"Position/Orient", "3", "1"},
      {"ButtonBar/Selection", "16", "15"}, {"ButtonBar/Selection", "17", "17"},
      {"ButtonBar/SpaceBetween", "-5", "-5"}, {"ButtonBar/Border", "-5", "-5"},
  };
  for (const auto& c : cases) {
    FakeProfile file, saved;
    file.values[c.key] = c.stored;
    Options o(4);
    o.Load(file.Io(), 4);
    o.Save(saved.Io());
    EXPECT_EQ(c.saved, saved.values[c.key]) << c.key << "=" << c.stored;
  }
  ButtonBarOptions bar;
  bar.Selection = 0x30 | kButtonToggle | kButtonFastExit;
  EXPECT_EQ(2, bar.CountButtons()) << "bits above the four buttons count for nothing";
  EXPECT_STREQ(FastExitActionName(kFastExitAsk), FastExitActionName(kFastExitActionCount));
  EXPECT_STREQ(FastExitActionName(kFastExitAsk), FastExitActionName(-1));
}

TEST(Pages, NumbersGroupsAndRefusals) {
  const struct { bool isNumber; uint32_t number; int32_t value; } numbers[] = {
      {true, 4294967291u, -5}, {true, 2147483648u, INT32_MIN}};  // past the signed range: refused as negative
  for (const auto& c : numbers) EXPECT_EQ(c.value, BarNumberFromField(c.isNumber, c.number)) << c.number;
  const bool none[4] = {}, third[4] = {false, false, true, true};
  EXPECT_EQ(2, FirstChecked(third, 4, 9));
  EXPECT_EQ(9, FirstChecked(none, 4, 9)) << "no button checked keeps the value";
  // Each Fast Exit button reads as an action of its own and that action checks it again.
  std::set<int32_t> actions;
  for (int button = 0; button < 6; ++button) {
    bool checked[6] = {};
    checked[button] = true;
    actions.insert(FastExitOptFromButtons(checked));
    EXPECT_EQ(button, FastExitButtonOf(FastExitOptFromButtons(checked)));
  }
  EXPECT_EQ((std::set<int32_t>{0, 1, 2, 3, 4, 5}), actions);
  EXPECT_EQ(0, FastExitButtonOf(9));
  // The first rule broken gives its message.
  struct { int32_t selection, space, border, size; const char* message; } const bars[] = {
      {kButtonAll, 0, 0, 2, nullptr},        {0, -5, 0, 0, kNoButtonSelected},  // no button first
      {kButtonStart, -5, 0, 0, kNegativeNumber}, {kButtonStart, 0, -1, 0, kNegativeNumber},
      {kButtonStart, 0, 0, 3, kInvalidSettings}, {16, 0, 0, 0, kInvalidSettings}};
  for (const auto& c : bars) {
    ButtonBarOptions bar;
    bar.Selection = c.selection, bar.SpaceBetween = c.space, bar.Border = c.border, bar.ButtonSize = c.size;
    EXPECT_STREQ(c.message, ValidateButtonBar(bar)) << "row " << &c - bars;
  }
}

// The system tests hand over on Apply and refuse a sheet that shows nothing.
TEST(HandOver, OkWithoutAChangeAfterApplyKeepsWhatChangedSince) {
  Options live(4), working(4);
  ASSERT_EQ(kHandedOver, HandOver(&working, &live));
  live.ButtonBar.Border = 1;
  EXPECT_EQ(kAlreadyHandedOver, HandOver(&working, &live));
  EXPECT_EQ(std::make_pair(1, 1), std::make_pair(live.ButtonBar.Border, live.accepted));
}

}  // namespace
