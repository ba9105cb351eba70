#include <gtest/gtest.h>

#include "app/cmdline.h"

namespace {

TEST(CommandKeyword, WholeWordInAnyCase) {
  struct {
    const char* text;
    CommandKeyword expected;
  } const cases[] = {
      {"on", kCommandOn},         {"ON", kCommandOn},           {"oN", kCommandOn},
      {"off", kCommandOff},       {"Off", kCommandOff},         {"now", kCommandNow},
      {"LogOff", kCommandLogoff}, {"restart", kCommandRestart}, {"REBOOT", kCommandReboot},
      {"shutdown", kCommandShutdown}, {"Dos", kCommandDos},
      {"off ", kCommandNone},     {" off", kCommandNone},       {"/off", kCommandNone},
      {"\"off\"", kCommandNone},  {"off now", kCommandNone},    {"of", kCommandNone},
      {"offf", kCommandNone},     {"", kCommandNone},           {"o\xd6n", kCommandNone},
  };
  for (const auto& c : cases) EXPECT_EQ(c.expected, MatchCommandKeyword(c.text)) << "[" << c.text << "]";
  EXPECT_EQ(kCommandNone, MatchCommandKeyword(nullptr));
}

TEST(CommandKeyword, FastExitActions) {
  EXPECT_EQ(1, FastExitActionOf(kCommandRestart));
  EXPECT_EQ(2, FastExitActionOf(kCommandReboot));
  EXPECT_EQ(3, FastExitActionOf(kCommandLogoff));
  EXPECT_EQ(4, FastExitActionOf(kCommandShutdown));
  EXPECT_EQ(5, FastExitActionOf(kCommandDos));
  EXPECT_EQ(0, FastExitActionOf(kCommandOn));
  EXPECT_EQ(0, FastExitActionOf(kCommandNone));
}

TEST(CommandLineHelp, ExactText) {
  EXPECT_STREQ(
      "Command Line Options:\n\nnapkey.exe           --> normal interface\nnapkey.exe off       --> disables "
      "screen saver\nnapkey.exe on        --> enables screen saver\nnapkey.exe now       --> starts screen "
      "saver\nnapkey.exe logoff    --> logs user off\nnapkey.exe restart   --> restarts Windows 95\nnapkey.exe "
      "reboot    --> reboots computer\nnapkey.exe shutdown  --> shuts down computer\nnapkey.exe dos       --> exit "
      "to MS-DOS mode\n",
      kCommandLineHelpText);
}

}  // namespace
