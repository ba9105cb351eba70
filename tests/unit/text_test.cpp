// Texts in bounded buffers (what is cut, refused or clamped), command-line words, taskbar icon clicks and hot-key
// modifiers: what the system tests do not type or press.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <tuple>
#include <utility>

#include "app/cmdline.h"
#include "app/errortext.h"
#include "app/helppath.h"
#include "app/messages.h"
#include "app/textbuf.h"
#include "exit/exittext.h"
#include "saver/launchtext.h"
#include "saver/regnumber.h"
#include "saver/watchdog.h"
#include "settings/options.h"
#include "tray/traytext.h"

namespace {

// The system tests type on, off and now (in any case), logoff and shutdown.
TEST(CommandKeyword, WholeWordInAnyCaseAndItsFastExitAction) {
  struct { const char* text; CommandKeyword keyword; int action; } const cases[] = {
      {"restart", kCommandRestart, kFastExitRestart95}, {"REBOOT", kCommandReboot, kFastExitReboot},
      {"Dos", kCommandDos, kFastExitDos}, {"oN", kCommandOn, 0}, {"of", kCommandNone, 0}, {"offf", kCommandNone, 0},
      {"", kCommandNone, 0}, {nullptr, kCommandNone, 0},
  };
  for (const auto& c : cases) {
    const CommandKeyword keyword = MatchCommandKeyword(c.text);
    EXPECT_EQ(std::make_pair(c.keyword, c.action), std::make_pair(keyword, FastExitActionOf(keyword)))
        << "[" << (c.text ? c.text : "(null)") << "]";
  }
}

TEST(WatchdogInterval, ThreeQuartersOfTheTimeoutWithinASecondAndTheTimerRange) {
  EXPECT_EQ(1000u, WatchdogInterval(0)) << "no busy timer for a timeout of 0";
  EXPECT_EQ(225000u, WatchdogInterval(300));
  EXPECT_EQ(0x7FFFFFFFu, WatchdogInterval(0xFFFFFFFFu));
}

TEST(TextBuilder, StopsAtCapacityStaysTerminatedAndWritesTheExtremeNumbers) {
  char buffer[8 + 4];
  std::memset(buffer, '#', sizeof buffer);
  TextBuilder text(buffer, 8);
  text.Append("abc").AppendNumber(12345).Append("zz");
  EXPECT_STREQ("abc1234", buffer);
  EXPECT_TRUE(text.Truncated());
  EXPECT_EQ(7u, text.Length());
  EXPECT_EQ('#', buffer[8]) << "nothing written past the capacity";
  TextBuilder empty(buffer, 8);
  EXPECT_STREQ("", empty.Append(nullptr).Text());
  EXPECT_FALSE(empty.Truncated());
  // Written without the C runtime: the lowest long has no positive.
  for (long value : {0L, LONG_MAX, LONG_MIN}) {
    char number[24];
    EXPECT_EQ(std::to_string(value), TextBuilder(number, sizeof number).AppendNumber(value).Text());
  }
}

// The flag combinations the program uses are checked in its message boxes by the system tests.
TEST(ErrorTexts, NetworkRangeExitToDosAndOverlongReportsCutNotOverrun) {
  char text[256];
  FallbackErrorText(2115, text, sizeof text);
  EXPECT_STRNE("Network error # 2115", text) << "a network error with a text of its own";
  struct { long code; const char* text; } const fallbacks[] = {
      {2100, "Network error # 2100"}, {2999, "Network error # 2999"}, {2099, "Error # 2099"}, {3000, "Error # 3000"}};
  for (const auto& c : fallbacks) {
    FallbackErrorText(c.code, text, sizeof text);
    EXPECT_STREQ(c.text, text) << c.code;
  }
  ExitToDosFailureText(8, text, sizeof text);
  EXPECT_STREQ("Could not Exit To DOS:  Error # 8 ", text) << "no reason for another number";
  const std::string huge(5000, 'x');
  std::string buffer(kReportTextSize + 8, '#');
  ComposeReportText(&buffer[0], kReportTextSize, ReportPrefix | ReportSupport | ReportDiagnostics, "M", "Op", 1,
                    huge.c_str());
  EXPECT_EQ(std::string("xx") + '\0', buffer.substr(kReportTextSize - 3, 3));
  EXPECT_EQ(std::string(8, '#'), buffer.substr(kReportTextSize)) << "nothing written past the buffer";
}

TEST(HelpPath, NextToTheProgramOrTheBareNameNeverPastTheBuffer) {
  const std::string fitDirectory = "C:\\" + std::string(246, 'd') + "\\";  // 250 + name 10 + terminator = 261
  const std::string fits = fitDirectory + "x.exe", tooLong = "C:\\" + std::string(247, 'd') + "\\x.exe";
  struct { const char* label; const char* module; size_t size; std::string expected; } const cases[] = {
      {"directory that just fits", fits.c_str(), 261, fitDirectory + "napkey.hlp"},
      {"directory one too long", tooLong.c_str(), 261, "napkey.hlp"},
      {"unknown module", nullptr, 261, "napkey.hlp"},
      {"no directory", "napkey.exe", 261, "napkey.hlp"},
      {"no room even for the name", "C:\\a\\b.exe", 4, ""},
  };
  for (const auto& c : cases) {
    std::string buffer(c.size + 8, '#');
    ComposeHelpPath(c.module, &buffer[0], c.size);
    EXPECT_EQ(c.expected, buffer.c_str()) << c.label;
    EXPECT_EQ(std::string(8, '#'), buffer.substr(c.size)) << c.label << ": written past the buffer";
  }
}

TEST(RegistryNumber, DecimalPrefixWithinTheLengthGiven) {
  struct { const char* text; long length; long expected; } const cases[] = {  // length -1: text and terminator
      {"  42", -1, 42}, {"\t-7x", -1, -7}, {"+5", -1, 5}, {"", -1, 0}, {"- 3", -1, 0}, {"99999999999", -1, 2147483647},
      {"-99999999999", -1, -2147483647L - 1}, {"1234", 2, 12}, {nullptr, 5, 0},
  };
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
  EXPECT_FALSE(PreviewCommandLine(std::string(297, 'p').c_str(), 123456789, out, sizeof out));
  EXPECT_STREQ("", out);
}

enum : unsigned { kLeftDown = 0x201, kLeftUp, kLeftDouble, kRightDown, kRightUp };  // WM_LBUTTONDOWN and on
const MouseMessages kMouse = {kLeftDown, kLeftDouble, kRightDown, kRightUp};

// None of these defers or voids a waiting single click.
TEST(IconClicks, WhatEachMouseMessageAsksFor) {
  // The saver icon's single click action (its double click action is 2); Fast Exit's ExitOnSingleClick.
  struct Case { const char* label; bool saver; unsigned mouse; bool allowed; int single; unsigned message; bool beep; };
  const Case cases[] = {
      {"action 0 waits for nothing", true, kLeftDown, true, 0, 0, false},
      {"primary button up", true, kLeftUp, true, 1, 0, false},
      {"modal: double click beeps, voids nothing", true, kLeftDouble, false, 1, 0, true},
      {"modal: secondary press beeps", true, kRightDown, false, 1, 0, true},
      {"Fast Exit: single click if set", false, kLeftDown, true, 1, WM_NAPKEY_FAST_EXIT, false},
      {"Fast Exit: then no double click", false, kLeftDouble, true, 1, 0, false},
      {"Fast Exit: menu", false, kRightUp, true, 1, WM_NAPKEY_POPUP_MENU, false},
      {"Fast Exit: modal press beeps", false, kLeftDown, false, 1, 0, true},
  };
  for (const auto& c : cases) {
    const IconClick click = c.saver ? SaverIconClick(c.mouse, kMouse, c.allowed, c.single, 2)
                                    : FastExitIconClick(c.mouse, kMouse, c.allowed, c.single != 0);
    EXPECT_EQ(std::make_tuple(c.message, false, false, c.beep),
              std::tie(click.message, click.deferred, click.cancelWaiting, click.beep))
        << c.label << " (message, deferred, cancelWaiting, beep)";
  }
}

TEST(TrayText, TipsAreCutToTheFieldAndToSixtyThree) {
  const std::string longTip(100, 'x');
  char out[128];
  CopyTip(longTip.c_str(), out, sizeof out);
  EXPECT_EQ(std::string(kTipMaxLength, 'x'), out);
  std::memset(out, '#', sizeof out);
  CopyTip(longTip.c_str(), out, 10);
  EXPECT_EQ(std::string(9, 'x') + '\0' + '#', std::string(out, 11)) << "nothing past the field";
}

// The control's HOTKEYF_* (shift 1, control 2, alt 4, extended 8) become MOD_* (alt 1, control 2, shift 4).
TEST(HotKeys, ModifierMappingDropsTheExtendedFlag) {
  const HotKeyBinding shiftHome = HotKeyBindingOf(0x0924), altA = HotKeyBindingOf(0x0441);
  EXPECT_EQ(std::make_pair(4u, 0x24u), std::make_pair(shiftHome.modifiers, shiftHome.key)) << "Shift+extended Home";
  EXPECT_EQ(std::make_pair(1u, 0x41u), std::make_pair(altA.modifiers, altA.key)) << "Alt+A";
}

}  // namespace
