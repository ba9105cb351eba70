// ReportError and SystemErrorText against the real MessageBox and FormatMessage.
#include <gtest/gtest.h>

#include <string>

#include "app/report_win.h"
#include "dialogs.h"

namespace {

TEST(SystemErrorText, SystemTextWhenTheSystemHasOne) {
  SystemErrorText text;
  text.Load(ERROR_FILE_NOT_FOUND);
  ASSERT_NE(nullptr, text.Text());
  const std::string got = text.Text();
  EXPECT_NE(std::string::npos, got.find("not found")) << got;
  EXPECT_NE("Error # 2", got) << "the system has a text for this number";
}

TEST(SystemErrorText, FallbackForNetworkNumbersWithoutSystemText) {
  SystemErrorText text;
  EXPECT_EQ(nullptr, text.Text()) << "nothing loaded yet";
  text.Load(2115);
  EXPECT_STREQ("The queue is empty.", text.Text());
  text.Load(2500);
  EXPECT_STREQ("Network error # 2500", text.Text());
  text.Clear();
  EXPECT_EQ(nullptr, text.Text());
}

TEST(ReportError, ShowsComposedTextWithCaptionAndIcon) {
  harness::MessageBoxAnswerer answerer(IDOK);
  const int result = ReportError(nullptr, ReportPrefix | ReportSupport, MB_ICONHAND,
                                 "Invalid options applied -- bad pointer.", nullptr, 0);
  ASSERT_TRUE(answerer.Join());
  EXPECT_EQ(IDOK, result);
  EXPECT_EQ("Drowsel/Plus", answerer.Seen().caption);
  EXPECT_TRUE(answerer.Seen().hasIcon);
  char expected[kReportTextSize];
  ComposeReportText(expected, sizeof expected, ReportPrefix | ReportSupport, "Invalid options applied -- bad pointer.",
                    nullptr, 0, nullptr);
  EXPECT_EQ(expected, answerer.Seen().text);
}

TEST(ReportError, ZeroCodeMeansTheThreadsLastError) {
  harness::MessageBoxAnswerer answerer(IDOK);
  SetLastError(ERROR_ACCESS_DENIED);
  ReportError(nullptr, ReportDiagnostics, MB_ICONHAND, "Cannot run.", "CreateProcess", 0);
  ASSERT_TRUE(answerer.Join());
  EXPECT_NE(std::string::npos, answerer.Seen().text.find("CreateProcess failed; error # 5:\n"))
      << answerer.Seen().text;
  EXPECT_EQ(0u, answerer.Seen().text.find("Cannot run.")) << "no prefix without ReportPrefix";
}

TEST(ReportError, GivenCodeIsUsedAsItComes) {
  harness::MessageBoxAnswerer answerer(IDOK);
  SetLastError(ERROR_ACCESS_DENIED);
  ReportError(nullptr, ReportPrefix | ReportDiagnostics, MB_ICONHAND, "M", nullptr, 2115);
  ASSERT_TRUE(answerer.Join());
  EXPECT_NE(std::string::npos, answerer.Seen().text.find("(unknown) failed; error # 2115:\nThe queue is empty."))
      << answerer.Seen().text;
}

}  // namespace
