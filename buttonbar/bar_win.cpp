#include "buttonbar/bar_win.h"

#include <shellapi.h>

#include <initializer_list>

#include "base/messages.h"
#include "base/monitor_win.h"
#include "base/process_win.h"
#include "base/shelllib_win.h"
#include "buttonbar/bargeometry.h"
#include "buttonbar/input_win.h"
#include "buttonbar/tooltip_win.h"
#include "res/resource.h"
#include "saver/saverstate_win.h"
#include "saver/watchdog.h"

namespace {


HWND CreateBarButton(HWND parent, int id, const char* text) {
  HWND button = CreateWindowExA(0, "button", text, WS_CHILD | BS_OWNERDRAW, 0, 0, 0, 0, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), g_instance, nullptr);
  if (!button) return nullptr;
  const LONG_PTR previous = SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&BarButtonProc));
  if (!originalButtonProc) originalButtonProc = reinterpret_cast<WNDPROC>(previous);
  return button;
}

APPBARDATA AppBarData(HWND window) {
  APPBARDATA data;
  ZeroMemory(&data, sizeof data);
  data.cbSize = sizeof data;
  data.hWnd = window;
  return data;
}

}  // namespace

void ButtonBar::Create(HWND mainWindow, bool newShell) {
  window = mainWindow;
  tooltip.Attach(window);
  fastExitButton = CreateBarButton(window, IDC_BAR_FAST_EXIT, "");
  propertiesButton = CreateBarButton(window, IDC_BAR_PROPERTIES, "Screen saver properties");
  toggleButton = CreateBarButton(window, IDC_BAR_TOGGLE, "");
  startButton = CreateBarButton(window, IDC_BAR_START, "Start screen saver");
  toggleFace.Load(kButtonToggle, 0);
  startFace.Load(kButtonStart, 0);
  fastExitFace.Load(kButtonFastExit, 0);
  propertiesFace.Load(kButtonProperties, 0);
  if (newShell) {
    APPBARDATA data = AppBarData(window);
    data.uCallbackMessage = WM_NAPKEY_APPBAR;
    appBarRegistered = AppBarMessage(ABM_NEW, &data) != 0;
  }
  monitor = PrimaryMonitor();
  QueryFreeArea();
}

// The main window is already destroyed here: the shell knows it by its handle.
ButtonBar::~ButtonBar() {
  if (!appBarRegistered) return;
  APPBARDATA data = AppBarData(window);
  AppBarMessage(ABM_REMOVE, &data);
}

void ButtonBar::Layout(const Options& options) {
  if (!window) return;
  const ButtonBarOptions& bar = options.ButtonBar;
  if (!bar.Show) {
    ShowWindow(window, SW_HIDE);
    Reserve(kEdgeFloating, Rect32{});
    return;
  }
  const int size = ClampBelow(bar.ButtonSize, kButtonSizeCount, 0);
  toggleFace.SetSizeClass(size);
  startFace.SetSizeClass(size);
  fastExitFace.SetSizeClass(size);
  propertiesFace.SetSizeClass(size);
  // A face whose bitmap did not load must not collapse the bar.
  const int side = toggleFace.Object() ? toggleFace.frameWidth + toggleFace.inset : ButtonPixelSize(size);

  const BarLayout layout =
      ComputeBarLayout(bar.CountButtons(), side, bar.Border, bar.SpaceBetween, options.Position.Orient);
  width = layout.width;
  height = layout.height;

  const bool active = CurrentSaverState().active != 0;
  SetWindowTextA(fastExitButton, FastExitActionName(options.FastExit.FastExitOpt));

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
    face->saverEnabled = active ? TRUE : FALSE;
  }
  tooltip.Enable(bar.Tooltips);
  Place(options);
  InvalidateRect(window, nullptr, TRUE);
  UpdateWindow(window);
}

void ButtonBar::Place(const Options& options) {
  if (!options.ButtonBar.Show || !window) return;
  if (!(options.Position.Monitor() == followed)) FollowMonitor(options.Position);
  const Point32 origin = {monitor.monitor.left, monitor.monitor.top};
  const Point32 at =
      PlaceBarRect(freeArea, origin, width, height, options.Position.X, options.Position.Y, options.Position.Edge);
  SetWindowPos(window, options.ButtonBar.OnTop ? HWND_TOPMOST : HWND_NOTOPMOST, at.x, at.y, width, height,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
  Reserve(options.Position.Edge, Rect32{at.x, at.y, at.x + width, at.y + height});
}

// A docked bar asks the shell to keep maximised windows out of its band of
// its monitor; the shell may answer with less, which is what it keeps, while
// the bar stays where it was placed. Asked again only when the band changes.
void ButtonBar::Reserve(int edge, const Rect32& bar) {
  const Rect32 band = DockedStrip(monitor.monitor, bar, edge);
  if (!appBarRegistered || (edge == stripEdge && (band == strip || edge == kEdgeFloating))) return;
  static const UINT kShellEdges[] = {ABE_TOP, ABE_BOTTOM, ABE_LEFT, ABE_RIGHT};
  APPBARDATA data = AppBarData(window);
  data.uEdge = edge >= 0 && edge < kEdgeFloating ? kShellEdges[edge] : ABE_TOP;
  data.rc = RECT{band.left, band.top, band.right, band.bottom};
  AppBarMessage(ABM_SETPOS, &data);
  strip = band;
  stripEdge = edge;
}

// The monitor the bar was put on, or the primary one while that monitor is
// not there; the remembered one stays, so the bar goes back to it when it
// returns, unless the user has put the bar somewhere since.
void ButtonBar::FollowMonitor(const PositionOptions& position) {
  followed = position.Monitor();
  if (!FindMonitor(followed, &monitor)) monitor = PrimaryMonitor();
  QueryFreeArea();
}

// Where the bar may go on its monitor: out of what the taskbar and other
// desktop toolbars reserve there, and in its work area.
void ButtonBar::QueryFreeArea() {
  const Rect32& whole = monitor.monitor;
  freeArea = monitor.work;
  if (!appBarRegistered) return;
  APPBARDATA data = AppBarData(window);
  data.rc = RECT{whole.left, whole.top, whole.right, whole.bottom};
  for (UINT edge : {ABE_TOP, ABE_BOTTOM, ABE_LEFT, ABE_RIGHT}) {
    data.uEdge = edge;
    AppBarMessage(ABM_QUERYPOS, &data);
  }
  freeArea = Overlap(ToRect32(data.rc), WorkWithOwnStrip(monitor.work, strip, stripEdge));
}

void ButtonBar::OnAppBarNotify(const Options& options, WPARAM code, LPARAM parameter) {
  switch (code) {
    case ABN_POSCHANGED:
      FollowMonitor(options.Position);  // the work area may have changed too
      Place(options);
      break;
    case ABN_FULLSCREENAPP:
      if (parameter)
        SetZOrder(options, HWND_BOTTOM);
      else
        KeepOnTopAsSet(options);
      break;
    default: break;
  }
}

void ButtonBar::SetZOrder(const Options& options, HWND insertAfter) {
  if (!options.ButtonBar.Show) return;
  SetWindowPos(window, insertAfter, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

void ButtonBar::KeepOnTopAsSet(const Options& options) {
  SetZOrder(options, options.ButtonBar.OnTop ? HWND_TOPMOST : HWND_NOTOPMOST);
}

// The pointer is where the mouse message being handled puts it, not where it
// is by the time a busy program gets to the message: a late press would move
// the grab, and a late poll would drag to a stale or later place.
void ButtonBar::TrackDrag(Options& options, int phase) {
  const DWORD at = GetMessagePos();
  const POINT cursor = {static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
  RECT bar;
  GetWindowRect(window, &bar);
  const bool ctrl = IsKeyDown(VK_CONTROL) != 0;
  switch (phase) {
    case kDragStart:
      dragState = kDragging;
      grab.x = cursor.x - bar.left;
      grab.y = cursor.y - bar.top;
      break;
    case kDragMove: {
      if (dragState != kDragging) return;
      dragState = kDragStepping;  // moves caused by this step are not steps of their own
      // The bar goes to the monitor under the pointer, and is remembered there.
      const MonitorArea under = MonitorAt(cursor);
      if (!(under.monitor == monitor.monitor)) {
        monitor = under;
        QueryFreeArea();
      }
      options.Position.SetMonitor(monitor.monitor);
      followed = monitor.monitor;
      DragInput input;
      input.cursor = Point32{cursor.x, cursor.y};
      input.grab = Point32{grab.x, grab.y};
      input.freeArea = freeArea;
      input.barWidth = width;
      input.barHeight = height;
      input.edge = options.Position.Edge;
      input.orient = options.Position.Orient;
      input.keepOrientation = ctrl;
      const DragResult step = DragStep(input);
      options.Position.SetXY(step.x - monitor.monitor.left, step.y - monitor.monitor.top);
      if (step.edge == input.edge && step.orient == input.orient) {
        Place(options);
      } else {
        options.Position.Edge = step.edge;
        options.Position.Orient = step.orient;
        Layout(options);
        // Keep the cursor at the same place on the re-shaped bar.
        GetWindowRect(window, &bar);
        grab.x = cursor.x - bar.left;
        grab.y = cursor.y - bar.top;
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

void ButtonBar::OnDrawItem(const DRAWITEMSTRUCT* item) {
  if (!item) return;
  ButtonFace* face = nullptr;
  switch (item->CtlID) {
    case IDC_BAR_TOGGLE: face = &toggleFace; break;
    case IDC_BAR_PROPERTIES: face = &propertiesFace; break;
    case IDC_BAR_START: face = &startFace; break;
    case IDC_BAR_FAST_EXIT: face = &fastExitFace; break;
    default: return;
  }
  if (item->itemAction & ODA_SELECT) {
    face->pressed = (item->itemState & ODS_SELECTED) ? TRUE : FALSE;
    face->saverEnabled = CurrentSaverState().active ? TRUE : FALSE;
  }
  if (item->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) face->Paint(item->hDC);
}

void ButtonBar::ShowSaverState(bool active, const char* offUntil) {
  toggleFace.pressed = FALSE;
  toggleFace.saverEnabled = active ? TRUE : FALSE;
  char text[64];
  ToggleButtonText(active, offUntil, text, sizeof text);
  SetWindowTextA(toggleButton, text);
  InvalidateRect(toggleButton, nullptr, FALSE);
  UpdateWindow(toggleButton);
}

void ButtonBar::PaintBorder(HDC dc, int border) const {
  if (border < 2) return;
  RECT rect;
  GetWindowRect(window, &rect);
  DrawBarFrame(dc, rect.right - rect.left, rect.bottom - rect.top, border == 2);
}
