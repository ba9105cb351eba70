// Where a dialog goes when it opens: centred on its reference window and kept
// two pixels inside the work area, so it never lies under the taskbar or an
// application desktop toolbar.
#ifndef NAPKEY_BASE_PLACEMENT_H
#define NAPKEY_BASE_PLACEMENT_H

struct Rect32 {
  long left, top, right, bottom;
};

struct Point32 {
  long x, y;
};

inline bool operator==(const Rect32& a, const Rect32& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// One monitor: all of it, and the part that the taskbar and other desktop
// toolbars leave to windows.
struct MonitorArea {
  Rect32 monitor;
  Rect32 work;
};

// The part of `a` that is also in `b`; `b` itself when they do not meet.
Rect32 Overlap(const Rect32& a, const Rect32& b);

// A monitor is known again by the middle of the rectangle it had: one that
// now has another size at the same place is still the same monitor.
inline Point32 Middle(const Rect32& r) { return Point32{r.left + (r.right - r.left) / 2, r.top + (r.bottom - r.top) / 2}; }
inline bool Holds(const Rect32& r, const Point32& p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

// Top-left corner for a dialog of the given size. When the dialog is larger
// than the work area the far-edge limit wins, so it sticks out at the top/left.
Point32 PlaceDialogRect(long width, long height, const Rect32& reference, const Rect32& work);

#endif
