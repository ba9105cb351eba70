#include <gtest/gtest.h>

#include <string>

#include "exit/exittext.h"

namespace {

TEST(RestartFailure, TextByWinExecResult) {
  EXPECT_STREQ("System out of memory or resources", RestartFailureText(0));
  EXPECT_STREQ("Auxiliary file NAPRST16.EXE not found.", RestartFailureText(2));
  EXPECT_STREQ("Auxiliary file NAPRST16.EXE not found.", RestartFailureText(3));
  EXPECT_STREQ("Auxiliary file NAPRST16.EXE is damaged.", RestartFailureText(11));
  EXPECT_STREQ("Unknown error launching auxiliary file NAPRST16.EXE", RestartFailureText(5));
  EXPECT_STREQ("Unknown error launching auxiliary file NAPRST16.EXE", RestartFailureText(31));
}

std::string DosFailure(unsigned result) {
  char out[128];
  ExitToDosFailureText(result, out, sizeof out);
  return out;
}

TEST(ExitToDosFailure, NumberAndReason) {
  EXPECT_EQ("Could not Exit To DOS:  Error # 3 (Path not found)", DosFailure(3));
  EXPECT_EQ("Could not Exit To DOS:  Error # 0 (System out of memory or resources)", DosFailure(0));
  EXPECT_EQ("Could not Exit To DOS:  Error # 11 (Invalid executable image)", DosFailure(11));
  EXPECT_EQ("Could not Exit To DOS:  Error # 8 ", DosFailure(8));
}

TEST(ExitToDosExplanation, QuotesAndParagraphs) {
  const std::string text = kExitToDosExplanation;
  EXPECT_EQ(0u, text.find("Prior to using this program to Exit To DOS, you must have done so at least once before "
                          "from Windows 95.  Doing that creates the \"Exit To DOS\" file"));
  EXPECT_NE(std::string::npos, text.find("mode.\n\nTo exit to DOS from Windows 95, click the Start button"));
  EXPECT_NE(std::string::npos, text.find("click \"Restart the computer in MS-DOS mode,\" and then click Yes."));
  EXPECT_EQ(text.size() - 1, text.rfind("MS-DOS command prompt.") + 21);
}

}  // namespace
