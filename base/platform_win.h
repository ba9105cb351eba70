// Which Windows the program runs on, and where its dialogs open.
#ifndef NAPKEY_BASE_PLATFORM_WIN_H
#define NAPKEY_BASE_PLATFORM_WIN_H

#include <windows.h>

#include "base/platform.h"

enum PlatformKind : int {
  PlatformUnknown = 0,
  PlatformWin32s = 2,
  PlatformNT = 3,
  PlatformWin95 = 4,
};

int GetPlatformKind();
// The major version of Windows.
int GetPlatformLevel();
bool HasNewShell();
// Or later: the display request and the monitor functions are there.
bool IsWindows98Or2000();
void PlaceDialog(HWND dialog);

#endif
