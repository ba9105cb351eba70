// One resident copy: a copy starting at the same moment as another waits for
// that one's main window instead of missing it and starting a second bar.
#ifndef NAPKEY_APP_INSTANCE_WIN_H
#define NAPKEY_APP_INSTANCE_WIN_H

#include <windows.h>

// The running copy's main window, null when none. A copy about to become the
// resident one (`resident`) keeps others waiting until MainWindowReady.
HWND FindRunningCopy(bool resident);

// The main window exists (or never will): copies waiting may look now.
void MainWindowReady();

#endif
