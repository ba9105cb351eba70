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

// Top-left corner for a dialog of the given size. When the dialog is larger
// than the work area the far-edge limit wins, so it sticks out at the top/left.
Point32 PlaceDialogRect(long width, long height, const Rect32& reference, const Rect32& work);

#endif
