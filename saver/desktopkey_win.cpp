#include "saver/desktopkey_win.h"

#include "base/platform_win.h"

namespace {

// Windows NT keeps the flag as text under its own name.
const char* PasswordValueName() {
  return GetPlatformKind() == PlatformNT ? "ScreenSaverIsSecure" : "ScreenSaveUsePassword";
}

}  // namespace

BOOL DesktopKey::SetPasswordFlag(long flag) {
  return SetValue(PasswordValueName(), flag, GetPlatformKind() == PlatformNT);
}

BOOL DesktopKey::GetPasswordFlag(long* flag) { return QueryValue(PasswordValueName(), flag); }
