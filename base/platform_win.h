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
bool HasDisplayRequests();
void PlaceDialog(HWND dialog);

#endif
