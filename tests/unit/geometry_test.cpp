// Bar layout, docking and placement: the edges the system tests of the bar do not reach.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "app/placement.h"
#include "buttonbar/bargeometry.h"
#include "settings/options.h"

namespace {

const Rect32 kFree{0, 0, 1024, 740};  // a taskbar at the bottom

std::pair<long, long> XY(const Point32& p) { return {p.x, p.y}; }

TEST(BarLayout, SizeAndLastButtonPlace) {
  struct { const char* label; int count, border, space, orient; long width, height; Point32 last; } const cases[] = {
      {"column", 4, 3, 4, kOrientVertical, 24, 90, {3, 3 + 66}},
      {"block of three: last one bottom left", 3, 3, 4, kOrientBlock, 46, 46, {3, 25}},
      {"block of two", 2, 3, 4, kOrientBlock, 46, 24, {25, 3}},
      {"block of one", 1, 3, 4, kOrientBlock, 24, 24, {3, 3}},
      {"negative border and space", 2, -5, -5, kOrientHorizontal, 18 + 18 - 5 - 10, 18 - 10, {-5 + 13, -5}},
      {"huge spacing stays in the window range", 4, 3, 2147483647, kOrientHorizontal, 32767, 24, {32767, 3}},
      {"huge border too", 2, 2147483647, 4, kOrientBlock, 32767, 32767, {32767, 32767}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    const BarLayout bar = ComputeBarLayout(c.count, ButtonPixelSize(0), c.border, c.space, c.orient);
    EXPECT_EQ(std::make_pair(c.width, c.height), std::make_pair(bar.width, bar.height));
    EXPECT_EQ(XY(c.last), XY(bar.places[bar.count - 1]));
  }
}

TEST(PlaceBar, InTheFreeArea) {
  struct { const char* label; Rect32 area; long width, height, x, y; int edge; Point32 at; } const cases[] = {
      {"floating origin, one pixel inside", kFree, 46, 46, 0, 0, kEdgeFloating, {1, 1}},
      {"docked left", kFree, 24, 90, 500, 300, kEdgeLeft, {0, 300}},
      {"docked right, clamped into the area", kFree, 24, 90, 5, 5000, kEdgeRight, {1024 - 24, 740 - 90}},
      {"larger than the area: the far limit wins", {0, 0, 50, 50}, 90, 24, 10, 10, kEdgeFloating, {50 - 91, 10}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(XY(c.at), XY(PlaceBarRect(c.area, c.width, c.height, c.x, c.y, c.edge))) << c.label;
}

TEST(DragStep, DocksUndocksAndTurns) {
  // (x, y): where the drag puts the bar's corner. A row is 90 by 24, a block 46 by 46.
  struct { const char* label; long x, y; int edge, orient; DragResult to; } const cases[] = {
      {"top left: top first", 0, 0, kEdgeFloating, kOrientBlock, {0, 0, kEdgeTop, kOrientHorizontal}},
      {"bottom right: bottom first", 978, 694, kEdgeFloating, kOrientBlock, {978, 694, kEdgeBottom, kOrientHorizontal}},
      {"left: a column", 0, 300, kEdgeFloating, kOrientBlock, {0, 300, kEdgeLeft, kOrientVertical}},
      {"right: a column", 978, 300, kEdgeFloating, kOrientBlock, {978, 300, kEdgeRight, kOrientVertical}},
      {"along its edge", 400, 0, kEdgeTop, kOrientHorizontal, {400, 0, kEdgeTop, kOrientHorizontal}},
      {"on the bottom", 500, 716, kEdgeBottom, kOrientHorizontal, {500, 716, kEdgeBottom, kOrientHorizontal}},
      {"one pixel above it", 500, 715, kEdgeBottom, kOrientHorizontal, {500, 715, kEdgeFloating, kOrientBlock}},
  };
  for (const auto& c : cases) {
    const bool row = c.orient == kOrientHorizontal;
    const DragResult r =
        DragStep({{c.x + 5, c.y + 5}, {5, 5}, kFree, row ? 90 : 46, row ? 24 : 46, c.edge, c.orient, false});
    EXPECT_EQ(std::tie(c.to.edge, c.to.orient, c.to.x, c.to.y), std::tie(r.edge, r.orient, r.x, r.y)) << c.label;
  }
}

TEST(TooltipPlace, BelowTheTargetAboveNearTheBottomShiftedToFit) {
  struct { const char* label; Rect32 target; Point32 at; } const cases[] = {
      {"just fits below", {100, 724, 118, 742}, {100, 752}},
      {"would reach the screen bottom: above", {100, 725, 118, 743}, {100, 725 - 13 - 5}},
      {"shifted left to fit", {1000, 100, 1018, 118}, {1024 - 80 - 2, 128}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(XY(c.at), XY(TooltipPlace(c.target, Rect32{0, 0, 1024, 768}, 80, 13, 32))) << c.label;
}

TEST(PlaceDialog, CentredOnTheReferenceTwoPixelsInsideTheWorkArea) {
  struct { const char* label; long width, height; Rect32 reference, work; Point32 at; } const cases[] = {
      {"on a bar docked bottom right", 300, 200, {900, 716, 990, 740}, kFree, {1024 - 300 - 2, 740 - 200 - 2}},
      {"near the top left corner", 300, 200, {0, 0, 10, 10}, kFree, {2, 2}},
      {"taller than the work area: out at the top", 100, 800, {0, 0, 1024, 768}, kFree, {512 - 50, 740 - 800 - 2}},
      {"odd sizes truncate toward zero", 101, 51, {-11, -11, 0, 0}, {-1000, -1000, 1000, 1000}, {-56, -31}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(XY(c.at), XY(PlaceDialogRect(c.width, c.height, c.reference, c.work))) << c.label;
}

}  // namespace
