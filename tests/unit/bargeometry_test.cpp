#include <gtest/gtest.h>

#include "buttonbar/bargeometry.h"
#include "settings/options.h"

namespace {

TEST(BarLayout, DefaultsGiveNinetyByTwentyFour) {
  const BarLayout bar = ComputeBarLayout(4, ButtonPixelSize(0), 3, 4, kOrientHorizontal);
  EXPECT_EQ(90, bar.width);
  EXPECT_EQ(24, bar.height);
  EXPECT_EQ(3, bar.places[0].x);
  EXPECT_EQ(3 + 22, bar.places[1].x);
  EXPECT_EQ(3 + 66, bar.places[3].x);
  EXPECT_EQ(3, bar.places[3].y);
}

TEST(BarLayout, SizesOfEveryOrientationAndSize) {
  struct {
    int count, sizeClass, border, space, orient;
    long width, height;
  } const cases[] = {
      {4, 0, 3, 4, kOrientVertical, 24, 90},   {4, 1, 3, 4, kOrientHorizontal, 6 + 4 * 31 - 4, 33},
      {4, 2, 3, 4, kOrientHorizontal, 6 + 4 * 41 - 4, 43}, {4, 0, 3, 4, kOrientBlock, 46, 46},
      {3, 0, 3, 4, kOrientBlock, 46, 46},      {2, 0, 3, 4, kOrientBlock, 46, 24},
      {1, 0, 3, 4, kOrientBlock, 24, 24},      {1, 0, 0, 4, kOrientHorizontal, 18, 18},
      {2, 0, 3, 4, 7, 46, 24} /* unknown orientations are rows */,
      {2, 0, -5, -5, kOrientHorizontal, 18 + 18 - 5 - 10, 18 - 10},
  };
  for (const auto& c : cases) {
    const BarLayout bar = ComputeBarLayout(c.count, ButtonPixelSize(c.sizeClass), c.border, c.space, c.orient);
    EXPECT_EQ(c.width, bar.width) << c.count << " buttons, size " << c.sizeClass << ", orient " << c.orient;
    EXPECT_EQ(c.height, bar.height) << c.count << " buttons, size " << c.sizeClass << ", orient " << c.orient;
  }
}

TEST(BarLayout, BlockOfThreeHasOneButtonBottomLeft) {
  const BarLayout bar = ComputeBarLayout(3, 18, 3, 4, kOrientBlock);
  EXPECT_EQ(3, bar.places[2].x);
  EXPECT_EQ(25, bar.places[2].y);
  EXPECT_EQ(25, bar.places[1].x);
  EXPECT_EQ(3, bar.places[1].y);
}

TEST(BarLayout, ButtonSizes) {
  EXPECT_EQ(18, ButtonPixelSize(0));
  EXPECT_EQ(27, ButtonPixelSize(1));
  EXPECT_EQ(37, ButtonPixelSize(2));
  EXPECT_EQ(18, ButtonPixelSize(9));
}

const Rect32 kFree{0, 0, 1024, 740};

TEST(PlaceBar, FirstStartGoesToTheBottomRightCorner) {
  const Point32 at = PlaceBarRect(kFree, 90, 24, -1, -1, kEdgeBottom);
  EXPECT_EQ(1024 - 90, at.x);
  EXPECT_EQ(740 - 24, at.y);
}

TEST(PlaceBar, FloatingStaysOnePixelInside) {
  const Point32 corner = PlaceBarRect(kFree, 46, 46, -1, -1, kEdgeFloating);
  EXPECT_EQ(1024 - 46 - 1, corner.x);
  EXPECT_EQ(740 - 46 - 1, corner.y);
  const Point32 origin = PlaceBarRect(kFree, 46, 46, 0, 0, kEdgeFloating);
  EXPECT_EQ(1, origin.x);
  EXPECT_EQ(1, origin.y);
}

TEST(PlaceBar, DockedTouchesItsEdge) {
  EXPECT_EQ(0, PlaceBarRect(kFree, 90, 24, 500, 300, kEdgeTop).y);
  EXPECT_EQ(500, PlaceBarRect(kFree, 90, 24, 500, 300, kEdgeTop).x);
  EXPECT_EQ(0, PlaceBarRect(kFree, 24, 90, 500, 300, kEdgeLeft).x);
  EXPECT_EQ(1024 - 24, PlaceBarRect(kFree, 24, 90, 500, 300, kEdgeRight).x);
  EXPECT_EQ(740 - 90, PlaceBarRect(kFree, 24, 90, 5, 5000, kEdgeRight).y) << "clamped into the area";
}

TEST(PlaceBar, LargerThanTheAreaTheFarLimitWins) {
  const Point32 at = PlaceBarRect(Rect32{0, 0, 50, 50}, 90, 24, 10, 10, kEdgeFloating);
  EXPECT_EQ(50 - 90 - 1, at.x);
}

DragInput Drag(long x, long y, int edge, int orient, long width = 46, long height = 46, bool ctrl = false) {
  DragInput in;
  in.cursor = Point32{x + 5, y + 5};
  in.grab = Point32{5, 5};
  in.freeArea = kFree;
  in.barWidth = width;
  in.barHeight = height;
  in.edge = edge;
  in.orient = orient;
  in.keepOrientation = ctrl;
  return in;
}

TEST(DragStep, FloatingToTheTopDocksAndTurnsHorizontal) {
  const DragResult r = DragStep(Drag(300, 0, kEdgeFloating, kOrientBlock));
  EXPECT_EQ(kEdgeTop, r.edge);
  EXPECT_EQ(kOrientHorizontal, r.orient);
  EXPECT_EQ(300, r.x);
  EXPECT_EQ(0, r.y);
}

TEST(DragStep, CtrlKeepsTheOrientation) {
  const DragResult r = DragStep(Drag(300, -20, kEdgeFloating, kOrientBlock, 46, 46, true));
  EXPECT_EQ(kEdgeTop, r.edge);
  EXPECT_EQ(kOrientBlock, r.orient);
  EXPECT_EQ(0, r.y) << "not above the free area";
}

TEST(DragStep, CornerDocksTopOrBottomFirst) {
  EXPECT_EQ(kEdgeTop, DragStep(Drag(0, 0, kEdgeFloating, kOrientBlock)).edge);
  EXPECT_EQ(kEdgeBottom, DragStep(Drag(1024 - 46, 740 - 46, kEdgeFloating, kOrientBlock)).edge);
  EXPECT_EQ(kEdgeLeft, DragStep(Drag(0, 300, kEdgeFloating, kOrientBlock)).edge);
  EXPECT_EQ(kOrientVertical, DragStep(Drag(1024 - 46, 300, kEdgeFloating, kOrientBlock)).orient);
}

TEST(DragStep, DockedBarDraggedAwayFloatsAsABlock) {
  const DragResult r = DragStep(Drag(300, 200, kEdgeTop, kOrientHorizontal, 90, 24));
  EXPECT_EQ(kEdgeFloating, r.edge);
  EXPECT_EQ(kOrientBlock, r.orient);
  const DragResult along = DragStep(Drag(400, 0, kEdgeTop, kOrientHorizontal, 90, 24));
  EXPECT_EQ(kEdgeTop, along.edge) << "moving along its edge keeps it docked";
  EXPECT_EQ(kOrientHorizontal, along.orient);
}

TEST(DragStep, BottomDockedStaysWhileOnTheEdge) {
  const DragResult r = DragStep(Drag(500, 740 - 24, kEdgeBottom, kOrientHorizontal, 90, 24));
  EXPECT_EQ(kEdgeBottom, r.edge);
  const DragResult up = DragStep(Drag(500, 740 - 25, kEdgeBottom, kOrientHorizontal, 90, 24));
  EXPECT_EQ(kEdgeFloating, up.edge);
}

TEST(TooltipPlace, BelowTheTargetOrAboveNearTheBottom) {
  const Rect32 screen{0, 0, 1024, 768};
  const Point32 below = TooltipPlace(Rect32{100, 100, 118, 118}, screen, 80, 13, 32);
  EXPECT_EQ(100, below.x);
  EXPECT_EQ(118 + 10, below.y);
  const Point32 above = TooltipPlace(Rect32{100, 740, 118, 758}, screen, 80, 13, 32);
  EXPECT_EQ(740 - 13 - 5, above.y);
  const Point32 shifted = TooltipPlace(Rect32{1000, 100, 1018, 118}, screen, 80, 13, 32);
  EXPECT_EQ(1024 - 80 - 2, shifted.x);
}

}  // namespace
