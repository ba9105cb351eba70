// The Button Bar's geometry: button places and bar size, where the bar sits
// in the free area, how a drag docks and undocks it, and where a tooltip
// goes. Pure arithmetic, shared by the bar window and its tests.
#ifndef NAPKEY_BUTTONBAR_BARGEOMETRY_H
#define NAPKEY_BUTTONBAR_BARGEOMETRY_H

#include "base/placement.h"
#include "settings/options.h"

// Side of a square button for a size class: 18, 27 or 37 pixels.
int ButtonPixelSize(int sizeClass);

struct BarLayout {
  int count = 0;       // buttons placed
  Point32 places[kButtonCount];  // top-left corner of each placed button, in order
  long width = 0;      // whole bar, borders included
  long height = 0;
};

// Places `count` square buttons of side `side`, `border` pixels from the
// bar's edge and `space` apart, in the orientation given (0 column, 2 block,
// anything else a row).
BarLayout ComputeBarLayout(int count, int side, int border, int space, int orient);

// Where the bar goes in the free area of its monitor, whose top-left corner
// is `origin`: x and y count from that corner, and a negative one means the
// far side; a floating bar (edge 4) stays one pixel inside; a docked one
// touches its edge. When the bar is larger than the area the far limit wins.
Point32 PlaceBarRect(const Rect32& freeArea, const Point32& origin, long barWidth, long barHeight, long x, long y,
                     int edge);

// What a bar docked at `edge` of its monitor asks the shell to keep free of
// maximised windows: the band the bar lies in, across the whole monitor.
// Nothing (an empty strip) for a floating bar.
Rect32 DockedStrip(const Rect32& monitor, const Rect32& bar, int edge);

// The shell takes a docked bar's own strip out of its monitor's work area;
// the bar still belongs in it, so the area it is placed in gets it back.
Rect32 WorkWithOwnStrip(const Rect32& work, const Rect32& strip, int edge);

struct DragInput {
  Point32 cursor;
  Point32 grab;      // cursor offset from the bar's corner at the start
  Rect32 freeArea;   // of the monitor under the cursor
  long barWidth;
  long barHeight;
  int edge;
  int orient;
  bool keepOrientation;  // Ctrl held
};

struct DragResult {
  long x;
  long y;
  int edge;
  int orient;
};

// One step of a drag: the bar's new corner, and the edge it docks at (or 4,
// floating) with the orientation that goes with it.
DragResult DragStep(const DragInput& input);

// Top-left corner of a tooltip of the given text size (without its one-pixel
// border) for a target window on the monitor `screen`: below it by a third of
// the cursor height, or above it when that would reach the monitor's bottom,
// and shifted left to fit, never past the monitor's left side.
Point32 TooltipPlace(const Rect32& target, const Rect32& screen, long textWidth, long textHeight, long cursorHeight);

#endif
