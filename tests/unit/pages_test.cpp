// The Customize sheet's decisions: numbers read from the fields, the radio
// groups, the refusals and the hand-over.
#include <gtest/gtest.h>

#include "settings/pages.h"

namespace {

TEST(PageReads, NumbersAndGroups) {
  const struct { bool isNumber; uint32_t number; int32_t value; } numbers[] = {
      {true, 30, 30}, {true, 150, 100}, {false, 7, 0}, {true, 4294967291u, -5}, {true, 2147483648u, INT32_MIN}};
  for (const auto& c : numbers) EXPECT_EQ(c.value, BarNumberFromField(c.isNumber, c.number)) << c.number;
  const bool none[4] = {}, third[4] = {false, false, true, true};
  EXPECT_EQ(2, FirstChecked(third, 4, 9));
  EXPECT_EQ(9, FirstChecked(none, 4, 9)) << "no button checked keeps the value";
  // Buttons 1500..1505 hold 0, 4, 2, 3, 1, 5.
  const int32_t byButton[6] = {kFastExitAsk, kFastExitShutdown, kFastExitReboot, kFastExitLogoff, kFastExitRestart95,
                               kFastExitDos};
  for (int button = 0; button < 6; ++button) {
    bool checked[6] = {};
    checked[button] = true;
    EXPECT_EQ(byButton[button], FastExitOptFromButtons(checked));
    EXPECT_EQ(button, FastExitButtonOf(byButton[button]));
  }
  EXPECT_EQ(0, FastExitButtonOf(9));
  const bool two[6] = {false, true, false, false, true, false};
  EXPECT_EQ(kFastExitRestart95, FastExitOptFromButtons(two)) << "read in the order 1500, 1504, 1502, ...";
}

TEST(PageValidation, FirstRuleBrokenGivesItsMessage) {
  ButtonBarOptions bar;
  EXPECT_EQ(nullptr, ValidateButtonBar(bar));
  bar.Selection = 0;
  bar.SpaceBetween = -5;
  EXPECT_STREQ(kNoButtonSelected, ValidateButtonBar(bar)) << "no button first";
  bar.Selection = kButtonStart;
  EXPECT_STREQ(kNegativeNumber, ValidateButtonBar(bar));
  bar.SpaceBetween = 0;
  bar.Border = -1;
  EXPECT_STREQ(kNegativeNumber, ValidateButtonBar(bar));
  bar.Border = 0;
  bar.ButtonSize = 3;
  EXPECT_STREQ(kInvalidSettings, ValidateButtonBar(bar));
  TaskbarIconOptions icon;
  icon.DoubleClick = 4;
  EXPECT_STREQ(kInvalidSettings, ValidateTaskbarIcon(icon));
  FastExitOptions exit;
  exit.FastExitOpt = 6;
  EXPECT_STREQ(kInvalidSettings, ValidateFastExit(exit));
}

TEST(HandOver, OncePerChangeAndNeverNothingShown) {
  Options live(4), working(4);
  working.ButtonBar.Border = 9;
  EXPECT_EQ(kHandedOver, HandOver(&working, &live));
  EXPECT_EQ(9, live.ButtonBar.Border);
  EXPECT_EQ(1, live.accepted);
  live.ButtonBar.Border = 1;
  EXPECT_EQ(kAlreadyHandedOver, HandOver(&working, &live)) << "Apply, then OK without a change";
  EXPECT_EQ(1, live.ButtonBar.Border);
  working.applied = 0;
  working.FastExitTaskbarIcon.Show = working.TaskbarIcon.Show = working.ButtonBar.Show = 0;
  live.accepted = 0;
  EXPECT_EQ(kHandOverRefused, HandOver(&working, &live));
  EXPECT_EQ(0, live.accepted);
  EXPECT_EQ(1, live.ButtonBar.Border);
}

}  // namespace
