#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>

#include "app/cmdline.h"
#include "app/errortext.h"
#include "app/helppath.h"
#include "app/textbuf.h"
#include "exit/exittext.h"
#include "saver/launchtext.h"
#include "saver/regnumber.h"
#include "saver/watchdog.h"
#include "settings/options.h"

namespace {

TEST(CommandKeyword, WholeWordInAnyCaseAndItsFastExitAction) {
  struct { const char* text; CommandKeyword keyword; int action; } const cases[] = {
      {"on", kCommandOn, 0},   {"ON", kCommandOn, 0},   {"oN", kCommandOn, 0},   {"off", kCommandOff, 0},
      {"Off", kCommandOff, 0}, {"now", kCommandNow, 0}, {"LogOff", kCommandLogoff, kFastExitLogoff},
      {"restart", kCommandRestart, kFastExitRestart95}, {"REBOOT", kCommandReboot, kFastExitReboot},
      {"shutdown", kCommandShutdown, kFastExitShutdown}, {"Dos", kCommandDos, kFastExitDos},
      {"off ", kCommandNone, 0}, {" off", kCommandNone, 0}, {"/off", kCommandNone, 0}, {"\"off\"", kCommandNone, 0},
      {"off now", kCommandNone, 0}, {"of", kCommandNone, 0}, {"offf", kCommandNone, 0}, {"", kCommandNone, 0},
      {"o\xd6n", kCommandNone, 0}, {nullptr, kCommandNone, 0},
  };
  for (const auto& c : cases) {
    const CommandKeyword keyword = MatchCommandKeyword(c.text);
    EXPECT_EQ(std::make_pair(c.keyword, c.action), std::make_pair(keyword, FastExitActionOf(keyword)))
        << "[" << (c.text ? c.text : "(null)") << "]";
  }
}

TEST(ReportText, EachFlagAddsItsParagraphInOrder) {
  const std::string support = std::string("\n\nPlease report this problem to QRT Technical Support at e-mail ") +
                              "address  " + kSupportAddress + " .\n";
  const std::string diagnostics = "Please also provide the following diagnostic information:\n\n";
  struct { const char* label; unsigned flags; const char* operation; std::string expected; } const cases[] = {
      {"message alone", 0, "Op", "M"},
      {"prefix and support", ReportPrefix | ReportSupport, "Op", "Program Error:  M" + support},
      {"diagnostics bring support, not the prefix", ReportDiagnostics, "Op",
       "M" + support + diagnostics + "Op failed; error # -5:\nT"},
      {"all, unknown operation", ReportPrefix | ReportSupport | ReportDiagnostics, nullptr,
       "Program Error:  M" + support + diagnostics + "(unknown) failed; error # -5:\nT"},
  };
  for (const auto& c : cases) {
    char text[kReportTextSize];
    const size_t length = ComposeReportText(text, sizeof text, c.flags, "M", c.operation, -5, "T");
    EXPECT_EQ(c.expected, text) << c.label;
    EXPECT_EQ(std::strlen(text), length) << c.label;
  }
}

TEST(ReportText, OverlongSystemTextIsCutNotOverrun) {
  const std::string huge(5000, 'x');
  std::string buffer(kReportTextSize + 8, '#');
  const size_t length = ComposeReportText(&buffer[0], kReportTextSize, ReportDiagnostics, "M", "Op", 1, huge.c_str());
  EXPECT_EQ(kReportTextSize - 1, length);
  EXPECT_EQ(std::string("xx") + '\0', buffer.substr(length - 2, 3));
  EXPECT_EQ(std::string(8, '#'), buffer.substr(kReportTextSize)) << "nothing written past the buffer";
}

TEST(WatchdogInterval, ThreeQuartersOfTheTimeoutWithinASecondAndTheTimerRange) {
  EXPECT_EQ(1000u, WatchdogInterval(0)) << "no busy timer for a timeout of 0";
  EXPECT_EQ(1000u, WatchdogInterval(1));
  EXPECT_EQ(225000u, WatchdogInterval(300));
  EXPECT_EQ(0x7FFFFFFFu, WatchdogInterval(0xFFFFFFFFu));
}

TEST(TextBuilder, StopsAtCapacityAndStaysTerminated) {
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
}

// Numbers are written without the C runtime: the extremes, padding, hex and
// a piece of a text.
TEST(TextBuilder, NumbersAndPieces) {
  const struct {
    long value;
    const char* text;
  } kNumbers[] = {{0, "0"}, {-7, "-7"}, {2147483647L, "2147483647"}, {-2147483647L - 1, "-2147483648"}};
  for (const auto& n : kNumbers) {
    char buffer[24];
    EXPECT_STREQ(n.text, TextBuilder(buffer, sizeof buffer).AppendNumber(n.value).Text());
  }
  char buffer[32];
  EXPECT_STREQ("0409|04e4|ffffffff|7|ab",
               TextBuilder(buffer, sizeof buffer)
                   .AppendUnsigned(0x409, 16, 4).Append("|").AppendUnsigned(0x4e4, 16, 4).Append("|")
                   .AppendUnsigned(0xffffffffu, 16).Append("|").AppendUnsigned(7).Append("|")
                   .Append("abc", 2).Text());
}

TEST(ErrorNumberTexts, FallbackRangesAndTheExitToDosReason) {
  struct { long code; const char* text; } const fallbacks[] = {
      {2115, "The queue is empty."}, {2100, "Network error # 2100"}, {2999, "Network error # 2999"},
      {2099, "Error # 2099"},        {3000, "Error # 3000"},
  };
  char text[256];
  for (const auto& c : fallbacks) {
    FallbackErrorText(c.code, text, sizeof text);
    EXPECT_STREQ(c.text, text) << c.code;
  }
  struct { unsigned result; const char* text; } const dos[] = {
      {3, "3 (Path not found)"}, {0, "0 (System out of memory or resources)"},
      {11, "11 (Invalid executable image)"}, {8, "8 "}};
  for (const auto& c : dos) {
    ExitToDosFailureText(c.result, text, sizeof text);
    EXPECT_EQ(std::string("Could not Exit To DOS:  Error # ") + c.text, text) << c.result;
  }
}

TEST(HelpPath, NextToTheProgramOrTheBareNameNeverPastTheBuffer) {
  const std::string fitDirectory = "C:\\" + std::string(246, 'd') + "\\";  // 250 + name 10 + terminator = 261
  const std::string fits = fitDirectory + "x.exe", tooLong = "C:\\" + std::string(247, 'd') + "\\x.exe";
  struct { const char* label; const char* module; size_t size; std::string expected; } const cases[] = {
      {"next to the program", "C:\\Tools\\Napkey\\napkey.exe", 261, "C:\\Tools\\Napkey\\napkey.hlp"},
      {"unknown module", nullptr, 261, "napkey.hlp"},
      {"no directory", "napkey.exe", 261, "napkey.hlp"},
      {"directory one too long", tooLong.c_str(), 261, "napkey.hlp"},
      {"directory that just fits", fits.c_str(), 261, fitDirectory + "napkey.hlp"},
      {"room for the bare name only", "C:\\a\\b.exe", 11, "napkey.hlp"},
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
      {"1", -1, 1},      {"0", -1, 0},    {"  42", -1, 42}, {"\t-7x", -1, -7}, {"+5", -1, 5},       {"abc", -1, 0},
      {"", -1, 0},       {"- 3", -1, 0},  {"12 34", -1, 12}, {"99999999999", -1, 2147483647},
      {"-99999999999", -1, -2147483647L - 1}, {"1234", 2, 12}, {nullptr, 5, 0},
  };
  for (const auto& c : cases) {
    const size_t length = c.length < 0 ? std::strlen(c.text) + 1 : static_cast<size_t>(c.length);
    EXPECT_EQ(c.expected, ParseRegistryNumber(c.text, length)) << "[" << (c.text ? c.text : "(null)") << "]";
  }
}

TEST(LaunchText, CommandLinesAreUnquotedAndRefusedWhenTheyDoNotFit) {
  char out[300];
  ASSERT_TRUE(SaverCommandLine("C:\\Program Files\\a b.scr", LaunchRun, out, sizeof out));
  EXPECT_STREQ("C:\\Program Files\\a b.scr /s", out);
  ASSERT_TRUE(SaverCommandLine("x.scr", LaunchSetup, out, sizeof out));
  EXPECT_STREQ("x.scr /c", out);
  ASSERT_TRUE(PreviewCommandLine("C:\\My Savers\\x.scr", 1234, out, sizeof out));
  EXPECT_STREQ("C:\\My Savers\\x.scr /p 1234", out);
  ASSERT_TRUE(PasswordCommandLine("x.scr", -5, out, sizeof out));
  EXPECT_STREQ("x.scr /A -5", out);
  EXPECT_TRUE(SaverCommandLine(std::string(296, 'p').c_str(), LaunchSetup, out, sizeof out)) << "299 characters";
  EXPECT_FALSE(SaverCommandLine(std::string(297, 'p').c_str(), LaunchSetup, out, sizeof out));
  EXPECT_STREQ("", out) << "a cut command line would start some other file";
  EXPECT_FALSE(PreviewCommandLine(std::string(297, 'p').c_str(), 123456789, out, sizeof out));
  EXPECT_STREQ("", out);
}

}  // namespace
