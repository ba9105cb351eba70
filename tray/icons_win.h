// The two taskbar notification icons.
#ifndef NAPKEY_TRAY_ICONS_WIN_H
#define NAPKEY_TRAY_ICONS_WIN_H

#include <windows.h>

constexpr UINT kSaverIconId = 22766;
constexpr UINT kFastExitIconId = 22767;

void RemoveTaskbarIcon(UINT id);

#endif
