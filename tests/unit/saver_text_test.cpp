#include <gtest/gtest.h>

#include <string>

#include "saver/launchtext.h"
#include "saver/regnumber.h"

namespace {

TEST(RegistryNumber, DecimalPrefixWithSignAndSpace) {
  struct {
    const char* text;
    long expected;
  } const cases[] = {{"1", 1},      {"0", 0},          {"  42", 42},        {"\t-7x", -7}, {"+5", 5},
                     {"abc", 0},     {"", 0},           {"- 3", 0},          {"12 34", 12}, {"99999999999", 2147483647},
                     {"-99999999999", -2147483647L - 1}};
  for (const auto& c : cases) {
    EXPECT_EQ(c.expected, ParseRegistryNumber(c.text, std::string(c.text).size() + 1)) << "[" << c.text << "]";
  }
}

TEST(RegistryNumber, ReadsNoFurtherThanTheLengthGiven) {
  const char unterminated[] = {'1', '2', '3', '4'};
  EXPECT_EQ(12, ParseRegistryNumber(unterminated, 2));
  EXPECT_EQ(0, ParseRegistryNumber(nullptr, 5));
}

std::string Text(void (*compose)(LaunchMode, char*, size_t), LaunchMode mode) {
  char out[128];
  compose(mode, out, sizeof out);
  return out;
}

TEST(LaunchText, VerbsCaptionsAndSwitches) {
  EXPECT_EQ("Run screen saver", Text(LaunchCaption, LaunchRun));
  EXPECT_EQ("Test screen saver", Text(LaunchCaption, LaunchTest));
  EXPECT_EQ("Setup screen saver", Text(LaunchCaption, LaunchSetup));
  EXPECT_EQ("Cannot Run screen saver.", Text(LaunchFailureText, LaunchRun));
  EXPECT_EQ("Cannot Setup screen saver.", Text(LaunchFailureText, LaunchSetup));
  EXPECT_STREQ(" /s", LaunchSwitch(LaunchRun));
  EXPECT_STREQ(" /s", LaunchSwitch(LaunchTest));
  EXPECT_STREQ(" /c", LaunchSwitch(LaunchSetup));
  EXPECT_FALSE(LaunchWaits(LaunchRun));
  EXPECT_TRUE(LaunchWaits(LaunchTest));
  EXPECT_TRUE(LaunchWaits(LaunchSetup));
}

TEST(LaunchText, NoSaverSelectedNamesThePlatformsWay) {
  char out[256];
  NoSaverSelectedText(4, out, sizeof out);
  EXPECT_STREQ(
      "No screen saver is selected.  Use \"Screen Saver Properties\" or change Display Properties to select a "
      "screen saver.",
      out);
  NoSaverSelectedText(3, out, sizeof out);
  EXPECT_STREQ(
      "No screen saver is selected.  Use \"Screen Saver Properties\" or Control Panel / Desktop to select a screen "
      "saver.",
      out);
}

TEST(LaunchText, CommandLinesAreUnquoted) {
  char out[300];
  ASSERT_TRUE(SaverCommandLine("C:\\Program Files\\a b.scr", LaunchRun, out, sizeof out));
  EXPECT_STREQ("C:\\Program Files\\a b.scr /s", out);
  ASSERT_TRUE(PreviewCommandLine("C:\\My Savers\\x.scr", 1234, out, sizeof out));
  EXPECT_STREQ("C:\\My Savers\\x.scr /p 1234", out);
  ASSERT_TRUE(PasswordCommandLine("x.scr", -5, out, sizeof out));
  EXPECT_STREQ("x.scr /A -5", out);
}

TEST(LaunchText, TooLongCommandLineIsRefusedNotCut) {
  const std::string longPath(298, 'p');
  char out[300];
  EXPECT_FALSE(SaverCommandLine(longPath.c_str(), LaunchSetup, out, sizeof out));
  EXPECT_STREQ("", out);
  EXPECT_FALSE(PreviewCommandLine(longPath.c_str(), 123456789, out, sizeof out));
  EXPECT_STREQ("", out);
}

TEST(LaunchText, FailureTextsNameThePath) {
  char out[128];
  PreviewFailureText("C:\\x.scr", out, sizeof out);
  EXPECT_STREQ("Cannot show preview window for C:\\x.scr", out);
  PasswordFailureText("C:\\x.scr", out, sizeof out);
  EXPECT_STREQ("Cannot set screensaver password (C:\\x.scr)", out);
}

}  // namespace
