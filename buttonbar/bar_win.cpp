#include "buttonbar/bar_win.h"

#include "app/userxface.h"

// TODO(LayoutBar, PositionBar): the bar stays hidden until its layout exists.
void UserXface::LayoutBar() {}

// Until the application desktop toolbars are queried, the free area is the
// whole screen.
void UserXface::QueryFreeArea() {
  freeArea.left = 0;
  freeArea.top = 0;
  freeArea.right = GetSystemMetrics(SM_CXSCREEN);
  freeArea.bottom = GetSystemMetrics(SM_CYSCREEN);
}

// TODO(OnAppBarNotify): docking notifications are ignored for now.
void UserXface::OnAppBarNotify(HWND, WPARAM, LPARAM) {}

// TODO(TrackDrag): dragging the bar is not built yet.
void TrackDrag(int) {}

// TODO(PaintBarBorder): the bar paints no frame yet.
void PaintBarBorder(HDC, HWND) {}

void SetBarZOrder(HWND insertAfter) {
  if (g_mainWindow) SetWindowPos(g_mainWindow, insertAfter, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}
