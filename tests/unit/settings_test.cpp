// Options as loaded and as the Customize sheet reads them: the clamps and fix-ups the system tests do not reach.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "settings/autostart.h"
#include "settings/options.h"
#include "settings/pages.h"

namespace {

// An in-memory settings file keyed "section/key". A section reads as GetPrivateProfileSection gives it (size - 2
// when cut to fit), with `raw` ahead of its keys ('|' ends an entry).
struct FakeProfile {
  std::map<std::string, std::string> values;
  std::string raw = "";
  ProfileIo Io() { return {ReadSection, WriteText, this}; }
  static FakeProfile& Of(void* ctx) { return *static_cast<FakeProfile*>(ctx); }
  static unsigned long ReadSection(void* ctx, const char* section, char* buffer, unsigned long size) {
    std::string text = Of(ctx).raw + "|", prefix = std::string(section) + "/";
    for (const auto& [key, value] : Of(ctx).values)
      if (key.rfind(prefix, 0) == 0) text += key.substr(prefix.size()) + "=" + value + "|";
    std::replace(text.begin(), text.end(), '|', '\0');
    if (text.size() >= size) text = text.substr(0, size - 2) + '\0';
    std::memcpy(buffer, text.data(), text.size());
    return text.size() - 1;
  }
  static void WriteText(void* ctx, const char* s, const char* k, const char* text) {
    Of(ctx).values[std::string(s) + "/" + k] = text;
  }
};

// As GetPrivateProfileInt and GetPrivateProfileString read "Key" on Wine, which these values were checked against.
TEST(ProfileSection, AKeyReadsAsThePrivateProfileFunctionsReadIt) {
  const std::string zeros(28, '0');
  struct { std::string raw; int value; } const cases[] = {
      {"Key=", 77}, {"Key=\"\"", 77}, {"Key|Key=5", 77}, {"Key=|Key=5", 77}, {"kEY=5|Key=6", 5}, {"KeyX=5|Ke=5", 77},
      {"\x01Key=5", 77}, {" Key \t= \x1a-5 ", -5}, {"Key=\x01+12abc", 12}, {"Key=- 5", 0}, {"Key='-5'", -5},
      {"Key=\"5", 0}, {"Key=0x1F", 31}, {"Key=0X1F", 0}, {"Key=010", 10}, {"Key=0b101", 5}, {"Key=0o17", 15},
      {"Key=99999999999", 1215752191}, {"Key=-2147483649", 2147483647}, {"Key=" + zeros + "5", 5},
      {"Key=0" + zeros + "5", 0}, {"Key=\"" + zeros.substr(1) + "5\"", 5}, {"Key=\"" + zeros + "5\"", 0},
      {"Long=" + std::string(40000, 'x') + "|Key=9", 9}};
  for (const auto& c : cases) {
    FakeProfile file{{}, c.raw};
    const ProfileSection section(file.Io(), "S");
    EXPECT_EQ(c.value, section.Int("Key", 77)) << c.raw;
    EXPECT_EQ(c.value != 77, section.Has("Key")) << c.raw;
  }
}

// Show of the Fast Exit icon, the saver icon and the bar, as stored and as loaded on a shell with taskbar icons.
TEST(StartupLoad, FixupsKeepOneSurfaceReachable) {
  struct { const char* label; const char* stored[3]; std::vector<int32_t> loaded; } const cases[] = {
      {"all hidden: all shown", {"0", "0", "0"}, {1, 1, 1}}, {"one shown is enough", {"0", "1", "0"}, {0, 1, 0}}};
  for (const auto& c : cases) {
    FakeProfile file{{{"FastExitTaskbarIcon/Show", c.stored[0]}, {"TaskbarIcon/Show", c.stored[1]},
                      {"ButtonBar/Show", c.stored[2]}}};
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
      {"ButtonBar/SpaceBetween", "-5", "-5"}, {"ButtonBar/Border", "-5", "-5"}, {"Hot Keys/Menu", "-1", "65535"},
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

// The system tests see only a quoted path that fits, and values from the sheet or in another folder.
TEST(RunValue, TheQuotedPathFitsOrNothingAndAnyCaseOfThePathIsThisExe) {
  char out[11] = "x";
  EXPECT_FALSE(ComposeRunCommand("C:\\ab.exe", out, sizeof out));
  EXPECT_STREQ("", out);
  EXPECT_TRUE(ComposeRunCommand("C:\\a.exe", out, sizeof out));
  EXPECT_STREQ("\"C:\\a.exe\"", out);
  struct { bool ticked; const char* stored; RunChange change; } const cases[] = {
      {true, "\"c:\\A.EXE\"", kRunKept}, {true, "C:\\a.exe", kRunKept}, {true, "\"", kRunWritten},
      {true, "\"C:\\a.exe\" on", kRunWritten}, {true, "", kRunWritten}, {false, nullptr, kRunKept}};
  for (const auto& c : cases)
    EXPECT_EQ(c.change, RunChangeFor(c.ticked, c.stored, "C:\\a.exe")) << (c.stored ? c.stored : "absent");
}

}  // namespace
