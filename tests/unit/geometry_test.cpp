// Bar layout, docking and placement: the edges the system tests of the bar do not reach.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "base/placement.h"
#include "buttonbar/bargeometry.h"
#include "settings/options.h"

namespace {

const Rect32 kFree{0, 0, 1024, 740};  // a taskbar at the bottom

std::pair<long, long> XY(const Point32& p) { return {p.x, p.y}; }

TEST(BarLayout, SizeAndLastButtonPlace) {
  struct { const char* label; int count, border, space, orient; long width, height; Point32 last; } const cases[] = {
      {"negative border and space", 2, -5, -5, kOrientHorizontal, 18 + 18 - 5 - 10, 18 - 10, {-5 + 13, -5}},
      {"huge spacing stays in the window range", 4, 3, 2147483647, kOrientHorizontal, 32767, 24, {32767, 3}},
      {"huge border too", 2, 2147483647, 4, kOrientBlock, 32767, 32767, {32767, 32767}},
  };
  for (const auto& c : cases) {
    const BarLayout bar = ComputeBarLayout(c.count, ButtonPixelSize(0), c.border, c.space, c.orient);
    EXPECT_EQ(std::make_pair(c.width, c.height), std::make_pair(bar.width, bar.height)) << c.label;
    EXPECT_EQ(XY(c.last), XY(bar.places[bar.count - 1])) << c.label;
  }
}

TEST(PlaceBar, InTheFreeArea) {
  struct { const char* label; Rect32 area; long width, height, x, y; int edge; Point32 at; } const cases[] = {
      {"docked left", kFree, 24, 90, 500, 300, kEdgeLeft, {0, 300}},
      {"docked right, clamped into the area", kFree, 24, 90, 5, 5000, kEdgeRight, {1024 - 24, 740 - 90}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(XY(c.at), XY(PlaceBarRect(c.area, c.width, c.height, c.x, c.y, c.edge))) << c.label;
}

// (x, y): where the drag puts the corner of a row of 90 by 24 or a block of 46 by 46.
TEST(DragStep, DocksAtCornersAndSidesAndUndocksOffItsEdge) {
  struct { const char* label; long x, y; int edge, orient; DragResult to; } const cases[] = {
      {"top left: top first", 0, 0, kEdgeFloating, kOrientBlock, {0, 0, kEdgeTop, kOrientHorizontal}},
      {"bottom right: bottom first", 978, 694, kEdgeFloating, kOrientBlock, {978, 694, kEdgeBottom, kOrientHorizontal}},
      {"left: a column", 0, 300, kEdgeFloating, kOrientBlock, {0, 300, kEdgeLeft, kOrientVertical}},
      {"right: a column", 978, 300, kEdgeFloating, kOrientBlock, {978, 300, kEdgeRight, kOrientVertical}},
      {"along its edge", 400, 0, kEdgeTop, kOrientHorizontal, {400, 0, kEdgeTop, kOrientHorizontal}},
      {"one pixel above the bottom", 500, 715, kEdgeBottom, kOrientHorizontal, {500, 715, kEdgeFloating, kOrientBlock}},
  };
  for (const auto& c : cases) {
    const bool row = c.orient == kOrientHorizontal;
    const DragResult r =
        DragStep({{c.x + 5, c.y + 5}, {5, 5}, kFree, row ? 90 : 46, row ? 24 : 46, c.edge, c.orient, false});
    EXPECT_EQ(std::tie(c.to.edge, c.to.orient, c.to.x, c.to.y), std::tie(r.edge, r.orient, r.x, r.y)) << c.label;
  }
}

TEST(TooltipPlace, AboveNearTheScreenBottomAndShiftedToFit) {
  struct { const char* label; Rect32 target; Point32 at; } const cases[] = {
      {"would reach the screen bottom: above", {100, 725, 118, 743}, {100, 725 - 13 - 5}},
      {"shifted left to fit", {1000, 100, 1018, 118}, {1024 - 80 - 2, 128}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(XY(c.at), XY(TooltipPlace(c.target, Rect32{0, 0, 1024, 768}, 80, 13, 32))) << c.label;
}

TEST(PlaceDialog, CentredOnTheReferenceTwoPixelsInsideTheWorkArea) {
  struct { const char* label; Rect32 reference; Point32 at; } const cases[] = {
      {"on a bar docked bottom right", {900, 716, 990, 740}, {1024 - 300 - 2, 740 - 200 - 2}},
      {"near the top left corner", {0, 0, 10, 10}, {2, 2}},
  };
  for (const auto& c : cases) EXPECT_EQ(XY(c.at), XY(PlaceDialogRect(300, 200, c.reference, kFree))) << c.label;
}

}  // namespace
