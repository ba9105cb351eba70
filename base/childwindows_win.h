// Doing one thing to every descendant of a window.
#ifndef NAPKEY_BASE_CHILDWINDOWS_WIN_H
#define NAPKEY_BASE_CHILDWINDOWS_WIN_H

#include <windows.h>

// Each returns the number of descendants visited.
int DisableChildWindows(HWND parent);
int CloseChildWindows(HWND parent);
int InvalidateChildWindows(HWND parent);

#endif
