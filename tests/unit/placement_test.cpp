#include <gtest/gtest.h>

#include "app/placement.h"

namespace {

const Rect32 kScreen{0, 0, 1024, 768};
const Rect32 kWork{0, 0, 1024, 740};  // a taskbar at the bottom

TEST(PlaceDialog, CentredOnScreenWhenItFits) {
  const Point32 at = PlaceDialogRect(300, 200, kScreen, kWork);
  EXPECT_EQ(1024 / 2 - 150, at.x);
  EXPECT_EQ(768 / 2 - 100, at.y);
}

TEST(PlaceDialog, BarDockedAtBottomPushesDialogUpTwoPixelsAboveWorkArea) {
  const Rect32 bar{900, 716, 990, 740};
  const Point32 at = PlaceDialogRect(300, 200, bar, kWork);
  EXPECT_EQ(740 - 200 - 2, at.y);
  EXPECT_EQ(1024 - 300 - 2, at.x) << "centred on the bar, then kept inside the right edge";
}

TEST(PlaceDialog, KeptTwoPixelsFromTopLeft) {
  const Point32 at = PlaceDialogRect(300, 200, Rect32{0, 0, 10, 10}, kWork);
  EXPECT_EQ(2, at.x);
  EXPECT_EQ(2, at.y);
}

TEST(PlaceDialog, TallerThanWorkAreaSticksOutAtTheTop) {
  const Point32 at = PlaceDialogRect(100, 800, kScreen, kWork);
  EXPECT_EQ(740 - 800 - 2, at.y);
}

TEST(PlaceDialog, OddSizesTruncateTowardZero) {
  const Point32 at = PlaceDialogRect(101, 51, Rect32{-11, -11, 0, 0}, Rect32{-1000, -1000, 1000, 1000});
  EXPECT_EQ(-11 + 11 / 2 - 101 / 2, at.x);  // -11 + 5 - 50
  EXPECT_EQ(-11 + 5 - 25, at.y);
}

}  // namespace
