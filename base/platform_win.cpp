#include "base/platform_win.h"

#include "base/placement.h"

namespace {

int g_platformKind = PlatformUnknown;
int g_majorVersion = 0;
int g_minorVersion = 0;

Rect32 ToRect32(const RECT& r) { return Rect32{r.left, r.top, r.right, r.bottom}; }

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

void PlaceDialog(HWND dialog) {
  HWND reference = GetWindow(dialog, GW_OWNER);
  if (!reference || !IsWindowVisible(reference)) reference = GetDesktopWindow();

  RECT dialogRect, referenceRect, work;
  GetWindowRect(dialog, &dialogRect);
  GetWindowRect(reference, &referenceRect);
  if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) GetWindowRect(GetDesktopWindow(), &work);

  const long width = dialogRect.right - dialogRect.left;
  const long height = dialogRect.bottom - dialogRect.top;
  const Point32 at = PlaceDialogRect(width, height, ToRect32(referenceRect), ToRect32(work));
  MoveWindow(dialog, at.x, at.y, width, height, FALSE);
  SetForegroundWindow(dialog);
}

bool HasNewShell() { return HasNewShell(GetPlatformLevel()); }

bool HasDisplayRequests() { return HasDisplayRequests(GetPlatformKind() == PlatformNT, g_majorVersion, g_minorVersion); }
