#include "base/platform_win.h"

#include "base/monitor_win.h"

namespace {

int g_platformKind = PlatformUnknown;
int g_majorVersion = 0;
int g_minorVersion = 0;

}  // namespace

// A failed detection is not cached, so a later call tries again.
int GetPlatformKind() {
  if (g_platformKind != PlatformUnknown) return g_platformKind;
  OSVERSIONINFOA info;
  ZeroMemory(&info, sizeof info);
  info.dwOSVersionInfoSize = sizeof info;
  if (!GetVersionExA(&info)) return g_platformKind;
  g_majorVersion = static_cast<int>(info.dwMajorVersion);
  g_minorVersion = static_cast<int>(info.dwMinorVersion);
  switch (info.dwPlatformId) {
    case VER_PLATFORM_WIN32s: g_platformKind = PlatformWin32s; break;
    case VER_PLATFORM_WIN32_NT: g_platformKind = PlatformNT; break;
    case VER_PLATFORM_WIN32_WINDOWS: g_platformKind = PlatformWin95; break;
    default: g_platformKind = PlatformUnknown; break;
  }
  return g_platformKind;
}

int GetPlatformLevel() {
  GetPlatformKind();
  return g_majorVersion;
}

// Without a visible owner (a command from a taskbar icon or a hot key with
// the bar hidden) the dialog opens in the middle of the monitor the pointer
// is on, where the user is looking.
void PlaceDialog(HWND dialog) {
  HWND owner = GetWindow(dialog, GW_OWNER);
  MonitorArea area;
  RECT dialogRect, ownerRect;
  Rect32 reference;
  if (owner && IsWindowVisible(owner)) {
    GetWindowRect(owner, &ownerRect);
    reference = ToRect32(ownerRect);
    area = MonitorOfWindow(owner);
  } else {
    POINT cursor = {0, 0};
    GetCursorPos(&cursor);
    area = MonitorAt(cursor);
    reference = area.monitor;
  }
  GetWindowRect(dialog, &dialogRect);
  const long width = dialogRect.right - dialogRect.left;
  const long height = dialogRect.bottom - dialogRect.top;
  const Point32 at = PlaceDialogRect(width, height, reference, area.work);
  MoveWindow(dialog, at.x, at.y, width, height, FALSE);
  SetForegroundWindow(dialog);
}

bool HasNewShell() { return HasNewShell(GetPlatformLevel()); }

bool IsWindows98Or2000() { return IsWindows98Or2000(GetPlatformKind() == PlatformNT, g_majorVersion, g_minorVersion); }
