#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/errortext.h"
#include "app/textbuf.h"

namespace {

std::string ComposeReportText(unsigned flags, const char* message, const char* operation, long code,
                              const char* systemText) {
  char text[kReportTextSize];
  const size_t length = ::ComposeReportText(text, sizeof text, flags, message, operation, code, systemText);
  EXPECT_EQ(length, std::string(text).size());
  return text;
}

std::string FallbackErrorText(long code) {
  char text[256];
  ::FallbackErrorText(code, text, sizeof text);
  return text;
}

const std::string kSupport =
    std::string("\n\nPlease report this problem to QRT Technical Support at e-mail address  ") + kSupportAddress + " .\n";

TEST(ReportText, MessageAlone) { EXPECT_EQ("Oops", ComposeReportText(0, "Oops", nullptr, 0, nullptr)); }

TEST(ReportText, PrefixAndSupport) {
  EXPECT_EQ("Program Error:  Interface initialized more than once." + kSupport,
            ComposeReportText(ReportPrefix | ReportSupport, "Interface initialized more than once.", nullptr, 0,
                              nullptr));
}

TEST(ReportText, DiagnosticsAloneBringSupportButNoPrefix) {
  EXPECT_EQ("Cannot run." + kSupport +
                "Please also provide the following diagnostic information:\n\nCreateProcess failed; error # 2:\n"
                "The system cannot find the file specified.\r\n",
            ComposeReportText(ReportDiagnostics, "Cannot run.", "CreateProcess", 2,
                              "The system cannot find the file specified.\r\n"));
}

TEST(ReportText, AllFlagsInOrderWithUnknownOperation) {
  const std::string text =
      ComposeReportText(ReportPrefix | ReportSupport | ReportDiagnostics, "M", nullptr, -5, "T");
  EXPECT_EQ("Program Error:  M" + kSupport +
                "Please also provide the following diagnostic information:\n\n(unknown) failed; error # -5:\nT",
            text);
}

TEST(ReportText, OverlongSystemTextIsCutNotOverrun) {
  const std::string huge(5000, 'x');
  const std::string text = ComposeReportText(ReportDiagnostics, "M", "Op", 1, huge.c_str());
  EXPECT_EQ(kReportTextSize - 1, text.size());
  EXPECT_EQ('x', text.back());
}

TEST(TextBuilder, StopsAtCapacityAndStaysTerminated) {
  char buffer[8 + 4];
  std::memset(buffer, '#', sizeof buffer);
  TextBuilder text(buffer, 8);
  text.Append("abc").AppendFormat("%d", 12345).Append("zz");
  EXPECT_STREQ("abc1234", buffer);
  EXPECT_TRUE(text.Truncated());
  EXPECT_EQ(7u, text.Length());
  EXPECT_EQ('#', buffer[8]) << "nothing written past the capacity";
  TextBuilder empty(buffer, 8);
  empty.Append(nullptr);
  EXPECT_STREQ("", buffer);
  EXPECT_FALSE(empty.Truncated());
}

TEST(FallbackText, NetworkTableAndRanges) {
  EXPECT_EQ("The queue is empty.", FallbackErrorText(2115));
  EXPECT_EQ("The computer name is invalid.", FallbackErrorText(2351));
  EXPECT_EQ("The Workstation service is in an inconsistent state.  Restart the computer before restarting the "
            "Workstation service.",
            FallbackErrorText(2137));
  EXPECT_EQ("Network error # 2100", FallbackErrorText(2100));
  EXPECT_EQ("Network error # 2500", FallbackErrorText(2500));
  EXPECT_EQ("Network error # 2999", FallbackErrorText(2999));
  EXPECT_EQ("Error # 3000", FallbackErrorText(3000));
  EXPECT_EQ("Error # 2099", FallbackErrorText(2099));
  EXPECT_EQ("Error # -1", FallbackErrorText(-1));
}

}  // namespace
