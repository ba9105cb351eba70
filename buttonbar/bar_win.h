// The Button Bar window: layout, docking, dragging and its border.
#ifndef NAPKEY_BUTTONBAR_BAR_WIN_H
#define NAPKEY_BUTTONBAR_BAR_WIN_H

#include <windows.h>

// Drag phases passed to UserXface::TrackDrag.
enum DragPhase { kDragEndZero = 0, kDragStart = 1, kDragMove = 2, kDragEnd = 4 };  // 0 and 4 both end
// UserXface::dragState values.
enum DragState { kDragIdle = 0, kDragging = 2, kDragStepping = 3 };

void PaintBarBorder(HDC dc, HWND window);

#endif
