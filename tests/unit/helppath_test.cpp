#include <gtest/gtest.h>

#include <string>

#include "app/helppath.h"

namespace {

std::string Compose(const char* module, size_t size = 261) {
  std::string buffer(size, '#');
  ComposeHelpPath(module, &buffer[0], size);
  return buffer.c_str();
}

TEST(HelpPath, NextToTheProgram) {
  EXPECT_EQ("C:\\Tools\\Napkey\\napkey.hlp", Compose("C:\\Tools\\Napkey\\napkey.exe"));
}

TEST(HelpPath, BareNameWhenUnknownOrWithoutDirectory) {
  EXPECT_EQ("napkey.hlp", Compose(nullptr));
  EXPECT_EQ("napkey.hlp", Compose(""));
  EXPECT_EQ("napkey.hlp", Compose("napkey.exe"));
}

TEST(HelpPath, DirectoryTooLongFallsBackToBareNameWithoutOverrun) {
  const std::string directory = "C:\\" + std::string(250, 'd') + "\\";  // 254 characters
  const std::string module = directory + "napkey.exe";
  std::string buffer(261 + 16, '#');
  ComposeHelpPath(module.c_str(), &buffer[0], 261);
  EXPECT_STREQ("napkey.hlp", buffer.c_str());
  EXPECT_EQ(std::string(16, '#'), buffer.substr(261)) << "nothing written past the buffer";
}

TEST(HelpPath, DirectoryThatJustFits) {
  const std::string directory = "C:\\" + std::string(246, 'd') + "\\";  // 250 + 10 = 260 characters
  EXPECT_EQ(directory + "napkey.hlp", Compose((directory + "x.exe").c_str()));
}

TEST(HelpPath, TinyBufferStaysTerminated) {
  char buffer[4] = {'x', 'x', 'x', 'x'};
  ComposeHelpPath("C:\\a\\b.exe", buffer, sizeof buffer);
  EXPECT_EQ('\0', buffer[0]);
}

}  // namespace
