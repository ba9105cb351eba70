// Bar layout, docking and placement: the edges the system tests of the bar do not reach.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "base/placement.h"
#include "buttonbar/bargeometry.h"
#include "saverdlg/propslogic.h"
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

// Two monitors side by side, the second one shorter, and one left of the primary, at negative coordinates.
const Rect32 kSecond{1024, 0, 1824, 600}, kLeftOfPrimary{-1280, -200, 0, 824};

TEST(PlaceBar, InTheFreeAreaOfItsMonitorCountingFromItsCorner) {
  struct { const char* label; Rect32 area; long width, height, x, y; int edge; Point32 at; } const cases[] = {
      {"docked left", kFree, 24, 90, 500, 300, kEdgeLeft, {0, 300}},
      {"docked right, clamped into the area", kFree, 24, 90, 5, 5000, kEdgeRight, {1024 - 24, 740 - 90}},
      {"its bottom is not the screen's", kSecond, 90, 24, 5000, 700, kEdgeBottom, {1824 - 90, 600 - 24}},
      {"negative coordinates are places", kLeftOfPrimary, 46, 46, 10, 10, kEdgeFloating, {-1270, -190}},
      {"and the first start's far corner", kLeftOfPrimary, 46, 46, -1, -1, kEdgeFloating, {-47, 777}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(XY(c.at), XY(PlaceBarRect(c.area, {c.area.left, c.area.top}, c.width, c.height, c.x, c.y, c.edge)))
        << c.label;
  EXPECT_TRUE(Overlap({0, 30, 1824, 768}, kSecond) == (Rect32{1024, 30, 1824, 600}) && Overlap(kFree, kSecond) == kSecond)
      << "a shell answer across both monitors cut to the bar's, one that misses it ignored";
  EXPECT_TRUE(Holds({1024, 0, 2304, 1024}, Middle(kSecond)) && !Holds(kFree, Middle(kSecond))) << "grown, still there";
}

// (x, y): where the drag puts the corner of a row of 90 by 24 or a block of 46 by 46.
TEST(DragStep, DocksAtCornersAndSidesAndUndocksOffItsEdgeOnTheMonitorUnderThePointer) {
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
  // The pointer crossed to another monitor: the step works in that monitor's free area.
  struct { const char* label; Rect32 area; long x, y; int edge; DragResult to; } const monitors[] = {
      {"onto the left of the second", kSecond, 1000, 300, kEdgeRight, {1024, 300, kEdgeLeft, kOrientVertical}},
      {"bottom of the shorter one", kSecond, 1300, 554, kEdgeFloating, {1300, 554, kEdgeBottom, kOrientHorizontal}},
      {"right of one at negative coordinates", kLeftOfPrimary, -46, 9, 4, {-46, 9, kEdgeRight, kOrientVertical}},
  };
  for (const auto& c : monitors) {
    const DragResult r = DragStep({{c.x + 5, c.y + 5}, {5, 5}, c.area, 46, 46, c.edge, kOrientBlock, false});
    EXPECT_EQ(std::tie(c.to.edge, c.to.orient, c.to.x, c.to.y), std::tie(r.edge, r.orient, r.x, r.y)) << c.label;
  }
}

TEST(DockedStrip, TheBarsBandAcrossItsMonitorGivenBackToTheAreaItIsPlacedIn) {
  const Rect32 band = DockedStrip(kSecond, {1700, 526, 1790, 550}, kEdgeBottom);
  EXPECT_TRUE(band == (Rect32{1024, 526, 1824, 550}));
  EXPECT_EQ(550, WorkWithOwnStrip({1024, 0, 1824, 526}, band, kEdgeBottom).bottom) << "the shell took it out";
  EXPECT_EQ(500, WorkWithOwnStrip({1024, 0, 1824, 500}, band, kEdgeBottom).bottom) << "not its own: left alone";
  EXPECT_EQ(0, DockedStrip(kSecond, {1100, 100, 1146, 146}, kEdgeFloating).bottom) << "floating: nothing";
}

TEST(TooltipPlace, AboveNearTheScreenBottomAndShiftedToFit) {
  struct { const char* label; Rect32 target; Point32 at; } const cases[] = {
      {"would reach the screen bottom: above", {100, 725, 118, 743}, {100, 725 - 13 - 5}},
      {"shifted left to fit", {1000, 100, 1018, 118}, {1024 - 80 - 2, 128}},
      {"on the second monitor, above its own bottom", {1100, 585, 1118, 600}, {1100, 585 - 13 - 5}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(XY(c.at), XY(TooltipPlace(c.target, c.target.left < 1024 ? Rect32{0, 0, 1024, 768} : kSecond, 80, 13, 32)))
        << c.label;
  EXPECT_EQ(1024, TooltipPlace({1030, 100, 1048, 118}, kSecond, 900, 13, 32).x) << "wider than room: not onto the next";
  EXPECT_EQ(XY({1024, 450}), XY(MiniPreviewOrigin({1050, 500, 1800, 590}, kSecond, 200, 150)))
      << "a preview with no room beside its owner stays on the owner's monitor";
}

TEST(PlaceDialog, CentredOnTheReferenceTwoPixelsInsideTheWorkArea) {
  struct { const char* label; Rect32 reference; Point32 at; } const cases[] = {
      {"on a bar docked bottom right", {900, 716, 990, 740}, {1024 - 300 - 2, 740 - 200 - 2}},
      {"near the top left corner", {0, 0, 10, 10}, {2, 2}},
  };
  for (const auto& c : cases) EXPECT_EQ(XY(c.at), XY(PlaceDialogRect(300, 200, c.reference, kFree))) << c.label;
}

}  // namespace
