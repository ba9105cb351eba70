#include "base/monitor_win.h"

#include "base/platform_win.h"
#include "base/syslib_win.h"

namespace {

// Without WINVER 0x0500 the headers leave these out.
DECLARE_HANDLE(Monitor);
struct MonitorInfo {
  DWORD cbSize;
  RECT rcMonitor;
  RECT rcWork;
  DWORD dwFlags;
};
constexpr DWORD kDefaultToNull = 0, kDefaultToPrimary = 1, kDefaultToNearest = 2;

template <typename Function>
Function MonitorFunction(const char* name, Function* cache) {
  return IsWindows98Or2000() ? SystemFunction("user32.dll", name, cache) : nullptr;
}

bool Describe(Monitor monitor, MonitorArea* area) {
  using GetInfo = BOOL(WINAPI*)(Monitor, MonitorInfo*);
  static GetInfo getInfo = nullptr;
  MonitorInfo info;
  info.cbSize = sizeof info;
  if (!monitor || !MonitorFunction("GetMonitorInfoA", &getInfo) || !getInfo(monitor, &info)) return false;
  area->monitor = ToRect32(info.rcMonitor);
  area->work = ToRect32(info.rcWork);
  return true;
}

MonitorArea OrPrimary(Monitor monitor) {
  MonitorArea area;
  return Describe(monitor, &area) ? area : PrimaryMonitor();
}

// Null, as for no monitor, where the system cannot be asked.
Monitor FromPoint(const Point32& point, DWORD fallback) {
  using Function = Monitor(WINAPI*)(POINT, DWORD);
  static Function fromPoint = nullptr;
  return MonitorFunction("MonitorFromPoint", &fromPoint) ? fromPoint(POINT{point.x, point.y}, fallback) : nullptr;
}

Monitor FromRect(const RECT& rect, DWORD fallback) {
  using Function = Monitor(WINAPI*)(const RECT*, DWORD);
  static Function fromRect = nullptr;
  return MonitorFunction("MonitorFromRect", &fromRect) ? fromRect(&rect, fallback) : nullptr;
}

}  // namespace

MonitorArea PrimaryMonitor() {
  MonitorArea area;
  if (Describe(FromPoint(Point32{0, 0}, kDefaultToPrimary), &area)) return area;
  area.monitor = Rect32{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  RECT work;
  area.work = SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0) ? ToRect32(work) : area.monitor;
  return area;
}

MonitorArea MonitorAt(POINT point) { return OrPrimary(FromPoint(Point32{point.x, point.y}, kDefaultToNearest)); }

MonitorArea MonitorOfWindow(HWND window) {
  using FromWindow = Monitor(WINAPI*)(HWND, DWORD);
  static FromWindow fromWindow = nullptr;
  return OrPrimary(MonitorFunction("MonitorFromWindow", &fromWindow) ? fromWindow(window, kDefaultToNearest) : nullptr);
}

MonitorArea MonitorOfRect(const RECT& rect) { return OrPrimary(FromRect(rect, kDefaultToNearest)); }

bool FindMonitor(const Rect32& remembered, MonitorArea* found) {
  if (remembered.left >= remembered.right || remembered.top >= remembered.bottom) return false;  // none remembered
  const Point32 middle = Middle(remembered);
  if (Describe(FromPoint(middle, kDefaultToNull), found)) return true;
  *found = PrimaryMonitor();  // the one screen there is, or none holds it
  return Holds(found->monitor, middle);
}
