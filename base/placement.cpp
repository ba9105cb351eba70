#include "base/placement.h"

namespace {

long CentreAxis(long size, long refLow, long refHigh, long workLow, long workHigh) {
  long pos = refLow + (refHigh - refLow) / 2 - size / 2;
  if (pos < workLow + 2) pos = workLow + 2;
  if (pos > workHigh - size - 2) pos = workHigh - size - 2;
  return pos;
}

}  // namespace

Rect32 Overlap(const Rect32& a, const Rect32& b) {
  const Rect32 both = {a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
                       a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
  return both.left < both.right && both.top < both.bottom ? both : b;
}

Point32 PlaceDialogRect(long width, long height, const Rect32& reference, const Rect32& work) {
  Point32 at;
  at.y = CentreAxis(height, reference.top, reference.bottom, work.top, work.bottom);
  at.x = CentreAxis(width, reference.left, reference.right, work.left, work.right);
  return at;
}
