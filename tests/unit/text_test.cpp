// Texts in bounded buffers (what is cut, refused or clamped), command-line words, taskbar icon clicks and hot-key
// modifiers: what the system tests do not type or press.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <tuple>
#include <utility>

#include "app/cmdline.h"
#include "base/platform.h"
#include "base/helppath.h"
#include "base/messages.h"
#include "base/textbuf.h"
#include "saver/launchtext.h"
#include "base/regnumber.h"
#include "saver/watchdog.h"
#include "settings/options.h"
#include "tray/hotkeymap.h"
#include "tray/iconclicks.h"

namespace {

// The system tests type on, off and now (in any case), logoff and shutdown.
TEST(CommandKeyword, TheOtherExitWordsAndTheirFastExitActions) {
  struct { const char* text; CommandKeyword keyword; int action; } const cases[] = {
      {"restart", kCommandRestart, kFastExitRestart95}, {"REBOOT", kCommandReboot, kFastExitReboot},
      {"Dos", kCommandDos, kFastExitDos}};
  for (const auto& c : cases) {
    const CommandKeyword keyword = MatchCommandKeyword(c.text);
    EXPECT_EQ(std::make_pair(c.keyword, c.action), std::make_pair(keyword, FastExitActionOf(keyword))) << c.text;
  }
}

TEST(WatchdogInterval, ThreeQuartersOfTheTimeoutWithinASecondAndTheTimerRange) {
  EXPECT_EQ(1000u, WatchdogInterval(0)) << "no busy timer for a timeout of 0";
  EXPECT_EQ(225000u, WatchdogInterval(300));
  EXPECT_EQ(0x7FFFFFFFu, WatchdogInterval(0xFFFFFFFFu));
}

// Only "off", blanks and 1 to 1440 make a timed off; the rest is no keyword either, so it shows the options box.
TEST(CommandKeyword, TimedOffTakesOneToADayOfMinutesAndNothingElse) {
  const std::pair<const char*, unsigned> cases[] = {
      {"off 30", 30}, {"OFF\t 1", 1}, {"Off 1440", 1440}, {"off 0030", 30}, {"off 0", 0}, {"off 1441", 0},
      {"off 99999999999", 0}, {"off", 0}, {"off ", 0}, {"off 30 ", 0}, {"off -5", 0}, {"off 3x", 0},
      {"offx 30", 0}, {"of 30", 0}, {"on 30", 0}, {"", 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(c.second, TimedOffMinutes(c.first)) << c.first;
    if (std::strcmp(c.first, "off") != 0) {
      EXPECT_EQ(kCommandNone, MatchCommandKeyword(c.first)) << c.first;
    }
  }
}

// A day at most; a timer set for what is left never fires before the end; the texts name the end only while off.
TEST(TimedOff, WaitRoundsUpEndsAtTheEndAndTheTextsSayUntilWhen) {
  EXPECT_EQ(1u, TimedOffWaitMs(0, 1)) << "never early";
  EXPECT_EQ(60000u, TimedOffWaitMs(5, 5 + 60 * kTicksPerSecond));
  EXPECT_EQ(0u, TimedOffWaitMs(100, 100)) << "the end itself";
  EXPECT_EQ(0u, TimedOffWaitMs(200, 100)) << "the clock set past the end";
  EXPECT_EQ(0x7FFFFFFFu, TimedOffWaitMs(0, ~0ull));
  EXPECT_EQ(86400u, TimedOffSeconds(1439, 60));
  EXPECT_EQ(0u, TimedOffSeconds(1440, 1) + TimedOffSeconds(0, -1)) << "over a day, or negative";
  char text[64];
  SaverStateTip(false, "14:30", true, text, sizeof text);
  EXPECT_STREQ("Screen saver is disabled until 14:30", text);
  SaverStateTip(true, "14:30", false, text, sizeof text);
  EXPECT_STREQ("Screen saver is enabled", text);
  SaverStateTip(true, "", true, text, sizeof text);
  EXPECT_STREQ("Screen saver is enabled (set by a system policy)", text);
  ToggleButtonText(false, "2:30 PM", text, sizeof text);
  EXPECT_STREQ("Enable screen saver (off until 2:30 PM)", text);
  ToggleButtonText(false, "", text, sizeof text);
  EXPECT_STREQ("Enable screen saver", text);
}

// Windows 98 is 4.10 and Windows 2000 is NT 5.0; Windows 95 and NT 4.0 are without.
TEST(DisplayRequests, FromWindows98AndWindows2000) {
  EXPECT_TRUE(!IsWindows98Or2000(false, 4, 0) && IsWindows98Or2000(false, 4, 10) && !IsWindows98Or2000(true, 4, 0));
  EXPECT_TRUE(IsWindows98Or2000(true, 5, 0));
}

TEST(TextBuilder, StopsAtCapacityStaysTerminatedAndWritesTheExtremeNumbers) {
  char buffer[8 + 4];
  std::memset(buffer, '#', sizeof buffer);
  TextBuilder text(buffer, 8);
  EXPECT_STREQ("abc1234", text.Append("abc").AppendNumber(12345).Append("zz").Text());
  EXPECT_TRUE(text.Truncated());
  EXPECT_EQ('#', buffer[8]) << "nothing written past the capacity";
  EXPECT_STREQ("", TextBuilder(buffer, 8).Append(nullptr).Text());
  for (long value : {0L, LONG_MAX, LONG_MIN}) {  // the lowest long has no positive
    char number[24];
    EXPECT_EQ(std::to_string(value), TextBuilder(number, sizeof number).AppendNumber(value).Text());
  }
}

// A directory that just fits is the system tests'.
TEST(HelpPath, TheBareNameWhenTheDirectoryDoesNotFitNeverPastTheBuffer) {
  const std::string tooLong = "C:\\" + std::string(247, 'd') + "\\x.exe";  // 251 + name 10 + terminator = 262
  std::string buffer(261 + 8, '#');
  ComposeHelpPath(tooLong.c_str(), &buffer[0], 261);
  EXPECT_STREQ("napkey.hlp", buffer.c_str());
  EXPECT_EQ(std::string(8, '#'), buffer.substr(261)) << "written past the buffer";
}

TEST(RegistryNumber, DecimalPrefixWithinTheLengthGiven) {
  struct { const char* text; long length; long expected; } const cases[] = {  // length -1: text and terminator
      {"  42", -1, 42}, {"\t-7x", -1, -7}, {"", -1, 0}, {"- 3", -1, 0}, {"99999999999", -1, 2147483647},
      {"-99999999999", -1, -2147483647L - 1}, {"1234", 2, 12}, {nullptr, 5, 0}};
  for (const auto& c : cases) {
    const size_t length = c.length < 0 ? std::strlen(c.text) + 1 : static_cast<size_t>(c.length);
    EXPECT_EQ(c.expected, ParseRegistryNumber(c.text, length)) << "[" << (c.text ? c.text : "(null)") << "]";
  }
}

TEST(LaunchText, CommandLinesThatDoNotFitAreRefusedNotCut) {
  char out[300];
  EXPECT_TRUE(SaverCommandLine(std::string(296, 'p').c_str(), LaunchSetup, out, sizeof out)) << "299 characters";
  EXPECT_FALSE(SaverCommandLine(std::string(297, 'p').c_str(), LaunchSetup, out, sizeof out));
  EXPECT_STREQ("", out) << "a cut command line would start some other file";
}

// Fast Exit's icon with ExitOnSingleClick set; refusals while a dialog is open are the system tests'.
TEST(IconClicks, FastExitActsOnASingleClickWhenSetNotOnTheDoubleAndOpensTheMenu) {
  enum : unsigned { kLeftDown = 0x201, kLeftDouble = 0x203, kRightDown, kRightUp };  // WM_LBUTTONDOWN and on
  const struct { unsigned mouse, message; } cases[] = {
      {kLeftDown, WM_NAPKEY_FAST_EXIT}, {kLeftDouble, 0}, {kRightUp, WM_NAPKEY_POPUP_MENU}};
  for (const auto& c : cases) {
    const IconClick click = FastExitIconClick(c.mouse, {kLeftDown, kLeftDouble, kRightDown, kRightUp}, true, true);
    EXPECT_EQ(std::make_tuple(c.message, false, false, false),
              std::tie(click.message, click.deferred, click.cancelWaiting, click.beep))
        << c.mouse << " (message, deferred, cancelWaiting, beep)";
  }
}

// The control's HOTKEYF_* (shift 1, control 2, alt 4, extended 8) become MOD_* (alt 1, control 2, shift 4).
TEST(HotKeys, ShiftMapsAndTheExtendedFlagIsDropped) {
  const HotKeyBinding shiftHome = HotKeyBindingOf(0x0924);
  EXPECT_EQ(std::make_pair(4u, 0x24u), std::make_pair(shiftHome.modifiers, shiftHome.key)) << "Shift+extended Home";
}

}  // namespace
