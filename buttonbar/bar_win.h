// The Button Bar window: layout, docking, dragging and its border.
#ifndef NAPKEY_BUTTONBAR_BAR_WIN_H
#define NAPKEY_BUTTONBAR_BAR_WIN_H

#include <windows.h>

// Drag phases passed to TrackDrag.
enum DragPhase { kDragStart = 1, kDragMove = 2, kDragEnd = 4 };

void TrackDrag(int phase);
void PaintBarBorder(HDC dc, HWND window);
void SetBarZOrder(HWND insertAfter);

#endif
