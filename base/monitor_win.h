// Which monitor a point, a window or a rectangle is on, asked of the system
// at run time. Where Windows has no monitor functions (95, NT 4.0), the
// primary screen is the only monitor there is.
#ifndef NAPKEY_BASE_MONITOR_WIN_H
#define NAPKEY_BASE_MONITOR_WIN_H

#include <windows.h>

#include "base/placement.h"

MonitorArea PrimaryMonitor();
// The monitor holding the point, or the nearest one.
MonitorArea MonitorAt(POINT point);
// The monitor that has most of the window or rectangle, or the nearest one.
MonitorArea MonitorOfWindow(HWND window);
MonitorArea MonitorOfRect(const RECT& rect);
// The monitor that now holds the middle of a monitor's rectangle remembered
// earlier: false when there is none, as after that monitor was unplugged.
bool FindMonitor(const Rect32& remembered, MonitorArea* found);

inline Rect32 ToRect32(const RECT& r) { return Rect32{r.left, r.top, r.right, r.bottom}; }

#endif
