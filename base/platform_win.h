// Which Windows the program runs on, and where its dialogs open.
#ifndef NAPKEY_BASE_PLATFORM_WIN_H
#define NAPKEY_BASE_PLATFORM_WIN_H

#include <windows.h>

enum PlatformKind : int {
  PlatformUnknown = 0,
  PlatformWin32s = 2,
  PlatformNT = 3,
  PlatformWin95 = 4,
};

int GetPlatformKind();
// The major version of Windows; 4 or more means the new shell.
int GetPlatformLevel();
void PlaceDialog(HWND dialog);

#endif
