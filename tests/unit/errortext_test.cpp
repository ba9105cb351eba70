#include <gtest/gtest.h>

#include <string>

#include "app/errortext.h"

namespace {

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
