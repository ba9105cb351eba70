#include "buttonbar/bar_win.h"
#include "base/shelllib_win.h"

#include <shellapi.h>

#include <initializer_list>

#include "base/messages.h"
#include "app/userxface.h"
#include "buttonbar/bargeometry.h"
#include "buttonbar/input_win.h"
#include "buttonbar/tooltip_win.h"
#include "saver/saverstate_win.h"

namespace {

// Cursor offset from the bar's corner while dragging.
POINT g_grab = {0, 0};

Rect32 ToRect32(const RECT& r) { return Rect32{r.left, r.top, r.right, r.bottom}; }

const char* ToggleText() {
  return CurrentSaverState().active ? "Disable screen saver" : "Enable screen saver";
}

}  // namespace

void UserXface::LayoutBar() {
  if (!options || !g_mainWindow) return;
  const ButtonBarOptions& bar = options->ButtonBar;
  if (!bar.Show) {
    ShowWindow(g_mainWindow, SW_HIDE);
    return;
  }
  const int size = ClampButtonSize(bar.ButtonSize, 0);
  toggleFace.SetSizeClass(size);
  startFace.SetSizeClass(size);
  fastExitFace.SetSizeClass(size);
  propertiesFace.SetSizeClass(size);
  // A face whose bitmap did not load must not collapse the bar.
  const int side = toggleFace.Object() ? toggleFace.frameWidth + toggleFace.inset : ButtonPixelSize(size);

  const BarLayout layout =
      ComputeBarLayout(bar.CountButtons(), side, bar.Border, bar.SpaceBetween, options->Position.Orient);
  barWidth = layout.width;
  barHeight = layout.height;

  SetWindowTextA(fastExitButton, FastExitActionName(options->FastExit.FastExitOpt));
  SetWindowTextA(toggleButton, ToggleText());

  // The bar's fixed order of places.
  const struct {
    HWND button;
    int bit;
  } order[] = {{fastExitButton, kButtonFastExit},
               {propertiesButton, kButtonProperties},
               {toggleButton, kButtonToggle},
               {startButton, kButtonStart}};
  int place = 0;
  for (const auto& entry : order) {
    if ((bar.Selection & entry.bit) && place < layout.count) {
      const Point32& at = layout.places[place++];
      MoveWindow(entry.button, at.x, at.y, side, side, FALSE);
      ShowWindow(entry.button, SW_SHOW);
      InvalidateRect(entry.button, nullptr, TRUE);
    } else {
      ShowWindow(entry.button, SW_HIDE);
    }
  }

  for (ButtonFace* face : {&toggleFace, &startFace, &fastExitFace, &propertiesFace}) {
    face->pressed = FALSE;
    face->saverEnabled = CurrentSaverState().active ? TRUE : FALSE;
  }
  EnableTooltips(bar.Tooltips);
  PositionBar();
  InvalidateRect(g_mainWindow, nullptr, TRUE);
  UpdateWindow(g_mainWindow);
}

void UserXface::PositionBar() {
  if (!options || !options->ButtonBar.Show || !g_mainWindow) return;
  const Point32 at = PlaceBarRect(ToRect32(freeArea), barWidth, barHeight, options->Position.X,
                                  options->Position.Y, options->Position.Edge);
  SetWindowPos(g_mainWindow, options->ButtonBar.OnTop ? HWND_TOPMOST : HWND_NOTOPMOST, at.x, at.y, barWidth,
               barHeight, SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

// The bar reserves no space of its own (no ABM_SETPOS): it only keeps out of
// what the taskbar and other desktop toolbars reserve.
void UserXface::QueryFreeArea() {
  freeArea.left = 0;
  freeArea.top = 0;
  freeArea.right = GetSystemMetrics(SM_CXSCREEN);
  freeArea.bottom = GetSystemMetrics(SM_CYSCREEN);
  if (!appBarRegistered) return;
  APPBARDATA data;
  ZeroMemory(&data, sizeof data);
  data.cbSize = sizeof data;
  data.hWnd = g_mainWindow;
  data.rc = freeArea;
  for (UINT edge : {ABE_TOP, ABE_BOTTOM, ABE_LEFT, ABE_RIGHT}) {
    data.uEdge = edge;
    AppBarMessage(ABM_QUERYPOS, &data);
  }
  freeArea = data.rc;
}

void UserXface::OnAppBarNotify(HWND, WPARAM code, LPARAM parameter) {
  switch (code) {
    case ABN_POSCHANGED:
      QueryFreeArea();
      PositionBar();
      break;
    case ABN_FULLSCREENAPP:
      if (parameter)
        SetBarZOrder(HWND_BOTTOM);
      else if (options)
        SetBarZOrder(options->ButtonBar.OnTop ? HWND_TOPMOST : HWND_NOTOPMOST);
      break;
    default: break;
  }
}

void UserXface::SetBarZOrder(HWND insertAfter) {
  if (!options || !options->ButtonBar.Show) return;
  SetWindowPos(g_mainWindow, insertAfter, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

// The pointer is where the mouse message being handled puts it, not where it
// is by the time a busy program gets to the message: a late press would move
// the grab, and a late poll would drag to a stale or later place.
void UserXface::TrackDrag(int phase) {
  const DWORD at = GetMessagePos();
  const POINT cursor = {static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
  RECT bar;
  GetWindowRect(g_mainWindow, &bar);
  const bool ctrl = IsKeyDown(VK_CONTROL) != 0;
  switch (phase) {
    case kDragStart:
      dragState = kDragging;
      g_grab.x = cursor.x - bar.left;
      g_grab.y = cursor.y - bar.top;
      break;
    case kDragMove: {
      if (dragState != kDragging || !options) return;
      dragState = kDragStepping;  // moves caused by this step are not steps of their own
      DragInput input;
      input.cursor = Point32{cursor.x, cursor.y};
      input.grab = Point32{g_grab.x, g_grab.y};
      input.freeArea = ToRect32(freeArea);
      input.barWidth = barWidth;
      input.barHeight = barHeight;
      input.edge = options->Position.Edge;
      input.orient = options->Position.Orient;
      input.keepOrientation = ctrl;
      const DragResult step = DragStep(input);
      options->Position.SetXY(step.x, step.y);
      if (step.edge == input.edge && step.orient == input.orient) {
        PositionBar();
      } else {
        options->Position.Edge = step.edge;
        options->Position.Orient = step.orient;
        LayoutBar();
        // Keep the cursor at the same place on the re-shaped bar.
        GetWindowRect(g_mainWindow, &bar);
        g_grab.x = cursor.x - bar.left;
        g_grab.y = cursor.y - bar.top;
      }
      dragState = kDragging;
      break;
    }
    case kDragEndZero:
    case kDragEnd:
      dragState = kDragIdle;
      break;
    default: break;
  }
}

void PaintBarBorder(HDC dc, HWND window) {
  UserXface* app = UserXface::Access(1);
  if (!app || !app->options || app->options->ButtonBar.Border < 2) return;
  RECT rect;
  GetWindowRect(window, &rect);
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  const bool thin = app->options->ButtonBar.Border == 2;
  const FrameLine lines[] = {
      {COLOR_3DDKSHADOW, {{0, h - 1}, {w - 1, h - 1}, {w - 1, 0}, {w - 1, 1}}, 4},
      {COLOR_BTNSHADOW, {{1, h - 2}, {w - 2, h - 2}, {w - 2, 0}, {0, 0}}, 3},
      {COLOR_3DHILIGHT,
       {thin ? POINT{0, h - 2} : POINT{1, h - 3}, thin ? POINT{0, 0} : POINT{1, 1},
        thin ? POINT{w - 1, 0} : POINT{w - 2, 1}, {0, 0}},
       3},
  };
  DrawFrameLines(dc, lines, 3);
}
