// Starting a screen saver to run, test, configure, preview or set a password.
#ifndef NAPKEY_SAVER_LAUNCH_WIN_H
#define NAPKEY_SAVER_LAUNCH_WIN_H

#include <windows.h>

enum LaunchMode { LaunchRun = 0, LaunchTest = 1, LaunchConfigure = 2 };

void LaunchSaver(HWND owner, const char* saverPath, LaunchMode mode);

#endif
