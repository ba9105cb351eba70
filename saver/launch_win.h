// Starting a screen saver to run, test, configure, preview or set a password.
#ifndef NAPKEY_SAVER_LAUNCH_WIN_H
#define NAPKEY_SAVER_LAUNCH_WIN_H

#include <windows.h>

#include "saver/launchtext.h"

// Non-zero when the saver was started (or, on Windows NT in LaunchRun, when
// the system was asked to start it). path null: the selected saver.
BOOL LaunchSaver(HWND owner, const char* path, LaunchMode mode);
// `quiet`: a failure to start is not reported (the caller has just reported
// the same saver's failure).
BOOL PreviewSaverInWindow(HWND window, const char* path, bool quiet = false);
BOOL ChangeSaverPassword(HWND owner, const char* path);

#endif
