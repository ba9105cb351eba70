// Fast Exit: leaving Windows, directly or through the choice dialog.
#ifndef NAPKEY_EXIT_FASTEXIT_WIN_H
#define NAPKEY_EXIT_FASTEXIT_WIN_H

#include <windows.h>

// Runs the choice dialog; returns the chosen action, 0 when cancelled.
INT_PTR RunFastExitDialog(HWND owner);
void DoFastExit(int action, HWND owner);

#endif
