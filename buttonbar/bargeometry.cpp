#include "buttonbar/bargeometry.h"

#include "settings/options.h"

int ButtonPixelSize(int sizeClass) {
  switch (sizeClass) {
    case 1: return 27;
    case 2: return 37;
    default: return 18;
  }
}

namespace {

// Sizes and places stay within what a window can take (16-bit coordinates),
// whatever the options say; the arithmetic is done wide so it cannot overflow.
long ToWindowRange(long long value) {
  return static_cast<long>(value < -32768 ? -32768 : value > 32767 ? 32767 : value);
}

}  // namespace

BarLayout ComputeBarLayout(int count, int side, int border, int space, int orient) {
  BarLayout layout;
  if (count < 0) count = 0;
  if (count > kButtonCount) count = kButtonCount;
  layout.count = count;
  const long long step = static_cast<long long>(side) + space;
  const auto place = [&](int column, int row) {
    return Point32{ToWindowRange(border + column * step), ToWindowRange(border + row * step)};
  };
  long long innerWidth, innerHeight;
  if (orient == kOrientVertical) {
    for (int k = 0; k < count; ++k) layout.places[k] = place(0, k);
    innerWidth = side;
    innerHeight = count * step - space;
  } else if (orient == kOrientBlock) {
    for (int k = 0; k < count; ++k) layout.places[k] = place(k % 2, k / 2);
    innerWidth = count >= 2 ? step + side : side;
    innerHeight = count >= 3 ? step + side : side;
  } else {
    for (int k = 0; k < count; ++k) layout.places[k] = place(k, 0);
    innerWidth = count * step - space;
    innerHeight = side;
  }
  layout.width = ToWindowRange(innerWidth + 2LL * border);
  layout.height = ToWindowRange(innerHeight + 2LL * border);
  return layout;
}

namespace {

long Clamp(long value, long low, long high) {
  if (value < low) value = low;
  if (value > high) value = high;  // the far limit wins when the two cross
  return value;
}

}  // namespace

Point32 PlaceBarRect(const Rect32& freeArea, const Point32& origin, long barWidth, long barHeight, long x, long y,
                     int edge) {
  long minX = freeArea.left, minY = freeArea.top;
  long maxX = freeArea.right - barWidth, maxY = freeArea.bottom - barHeight;
  if (edge == kEdgeFloating) {
    ++minX;
    ++minY;
    --maxX;
    --maxY;
  }
  x = x < 0 ? maxX : origin.x + x;
  y = y < 0 ? maxY : origin.y + y;
  x = Clamp(x, minX, maxX);
  y = Clamp(y, minY, maxY);
  switch (edge) {
    case kEdgeTop: y = minY; break;
    case kEdgeBottom: y = maxY; break;
    case kEdgeLeft: x = minX; break;
    case kEdgeRight: x = maxX; break;
    default: break;
  }
  return Point32{x, y};
}

Rect32 DockedStrip(const Rect32& monitor, const Rect32& bar, int edge) {
  switch (edge) {
    case kEdgeTop:
    case kEdgeBottom: return Rect32{monitor.left, bar.top, monitor.right, bar.bottom};
    case kEdgeLeft:
    case kEdgeRight: return Rect32{bar.left, monitor.top, bar.right, monitor.bottom};
    default: return Rect32{monitor.left, monitor.top, monitor.right, monitor.top};
  }
}

Rect32 WorkWithOwnStrip(const Rect32& work, const Rect32& strip, int edge) {
  Rect32 area = work;
  switch (edge) {
    case kEdgeTop: if (strip.top < area.top && strip.bottom >= area.top) area.top = strip.top; break;
    case kEdgeBottom: if (strip.bottom > area.bottom && strip.top <= area.bottom) area.bottom = strip.bottom; break;
    case kEdgeLeft: if (strip.left < area.left && strip.right >= area.left) area.left = strip.left; break;
    case kEdgeRight: if (strip.right > area.right && strip.left <= area.right) area.right = strip.right; break;
    default: break;
  }
  return area;
}

DragResult DragStep(const DragInput& in) {
  DragResult out;
  const Rect32& area = in.freeArea;
  out.x = in.cursor.x - in.grab.x;
  out.y = in.cursor.y - in.grab.y;
  if (out.x < area.left) out.x = area.left;
  if (out.y < area.top) out.y = area.top;
  out.edge = in.edge;
  out.orient = in.orient;

  const bool leaves = (out.edge == kEdgeTop && out.y > area.top) ||
                      (out.edge == kEdgeBottom && out.y < area.bottom - in.barHeight) ||
                      (out.edge == kEdgeLeft && out.x > area.left) ||
                      (out.edge == kEdgeRight && out.x < area.right - in.barWidth);
  if (leaves) out.edge = kEdgeFloating;

  if (out.edge == kEdgeFloating) {
    if (out.y <= area.top)
      out.edge = kEdgeTop;
    else if (out.y >= area.bottom - in.barHeight)
      out.edge = kEdgeBottom;
    else if (out.x <= area.left)
      out.edge = kEdgeLeft;
    else if (out.x >= area.right - in.barWidth)
      out.edge = kEdgeRight;
  }

  if (!in.keepOrientation) {
    switch (out.edge) {
      case kEdgeTop:
      case kEdgeBottom: out.orient = kOrientHorizontal; break;
      case kEdgeLeft:
      case kEdgeRight: out.orient = kOrientVertical; break;
      default: out.orient = kOrientBlock; break;
    }
  }
  return out;
}

Point32 TooltipPlace(const Rect32& target, const Rect32& screen, long textWidth, long textHeight, long cursorHeight) {
  Point32 at;
  at.x = target.left;
  if (screen.right - textWidth - 2 < at.x) at.x = screen.right - textWidth - 2;
  if (at.x < screen.left) at.x = screen.left;
  at.y = target.bottom + cursorHeight / 3;
  if (at.y + textHeight + 2 >= screen.bottom) at.y = target.top - textHeight - 5;
  return at;
}
