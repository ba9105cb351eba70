// Options as loaded and as the Customize sheet reads them: the clamps and fix-ups the system tests do not reach.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

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

// Show of the Fast Exit icon, the saver icon and the bar, as stored and as loaded on a shell with taskbar icons.
TEST(StartupLoad, FixupsKeepOneSurfaceReachable) {
  struct { const char* label; const char* stored[3]; std::vector<int32_t> loaded; } const cases[] = {
      {"all hidden: all shown", {"0", "0", "0"}, {1, 1, 1}}, {"one shown is enough", {"0", "1", "0"}, {0, 1, 0}}};
  for (const auto& c : cases) {
    FakeProfile file;
    file.values = {{"FastExitTaskbarIcon/Show", c.stored[0]}, {"TaskbarIcon/Show", c.stored[1]},
                   {"ButtonBar/Show", c.stored[2]}};
    Options o;
    o.Load(file.Io(), 4);
    EXPECT_EQ(c.loaded, (std::vector<int32_t>{o.FastExitTaskbarIcon.Show, o.TaskbarIcon.Show, o.ButtonBar.Show}))
        << c.label;
  }
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
    Options o;
    o.Load(file.Io(), 4);
    o.Save(saved.Io());
    EXPECT_EQ(c.saved, saved.values[c.key]) << c.key << "=" << c.stored;
  }
  ButtonBarOptions bar;
  bar.Selection = 0x30 | kButtonToggle | kButtonFastExit;
  EXPECT_EQ(2, bar.CountButtons()) << "bits above the four buttons count for nothing";
}

TEST(Pages, EachFastExitButtonReadsAsAnActionOfItsOwnThatChecksItAgain) {
  std::set<int32_t> actions;
  for (int button = 0; button < 6; ++button) {
    bool checked[6] = {};
    checked[button] = true;
    actions.insert(FastExitOptFromButtons(checked));
    EXPECT_EQ(button, FastExitButtonOf(FastExitOptFromButtons(checked)));
  }
  EXPECT_EQ((std::set<int32_t>{0, 1, 2, 3, 4, 5}), actions);
}

}  // namespace
