// The Button Bar: the main window's four buttons and their faces, its place on
// the screen (docked to an edge or floating), the drag that moves it, its border.
#ifndef NAPKEY_BUTTONBAR_BAR_WIN_H
#define NAPKEY_BUTTONBAR_BAR_WIN_H

#include <windows.h>

#include "base/placement.h"
#include "buttonbar/face_win.h"
#include "buttonbar/tooltip_win.h"
#include "settings/options.h"

// Drag phases passed to ButtonBar::TrackDrag.
enum DragPhase { kDragEndZero = 0, kDragStart = 1, kDragMove = 2, kDragEnd = 4 };  // 0 and 4 both end
enum DragState { kDragIdle = 0, kDragging = 2, kDragStepping = 3 };

class ButtonBar {
 public:
  ButtonBar() = default;
  ~ButtonBar();  // gives up the desktop-toolbar registration
  ButtonBar(const ButtonBar&) = delete;
  ButtonBar& operator=(const ButtonBar&) = delete;

  // Makes the buttons on the main window and, under the new shell, registers
  // it as a desktop toolbar to learn what the taskbar reserves.
  void Create(HWND mainWindow, bool newShell);
  // Sizes, orders and shows the buttons and places the bar (hides it when off).
  void Layout(const Options& options);
  void Place(const Options& options);
  // Finds the bar's monitor again, as after a display change.
  void FollowMonitor(const PositionOptions& position);
  void SetZOrder(const Options& options, HWND insertAfter);
  void KeepOnTopAsSet(const Options& options);
  // Moves the bar with the pointer; docking may turn it, changing `options`' position.
  void TrackDrag(Options& options, int phase);
  void OnAppBarNotify(const Options& options, WPARAM code, LPARAM parameter);
  void OnDrawItem(const DRAWITEMSTRUCT* item);
  // The toggle button's face and text (its tooltip) for the saver's state.
  // `offUntil`: the end of a timed off, or empty.
  void ShowSaverState(bool active, const char* offUntil = "");
  void PaintBorder(HDC dc, int border) const;

  Tooltip tooltip;

 private:
  void QueryFreeArea();
  void Reserve(int edge, const Rect32& bar);

  HWND window = nullptr;
  HWND toggleButton = nullptr;
  HWND startButton = nullptr;
  HWND fastExitButton = nullptr;
  HWND propertiesButton = nullptr;
  ButtonFace toggleFace;
  ButtonFace startFace;
  ButtonFace fastExitFace;
  ButtonFace propertiesFace;
  int32_t width = 0;
  int32_t height = 0;
  bool appBarRegistered = false;
  MonitorArea monitor = {};  // where the bar is
  Rect32 followed = {};      // the remembered monitor `monitor` was found for
  Rect32 freeArea = {};      // of `monitor`, with what other desktop toolbars take
  Rect32 strip = {};         // what the docked bar asked the shell to keep free
  int stripEdge = kEdgeFloating;
  int32_t dragState = kDragIdle;
  POINT grab = {0, 0};  // the pointer's offset from the bar's corner while dragging
};

#endif
