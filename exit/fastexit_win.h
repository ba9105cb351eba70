// Fast Exit: leaving Windows, directly or through the choice dialog.
#ifndef NAPKEY_EXIT_FASTEXIT_WIN_H
#define NAPKEY_EXIT_FASTEXIT_WIN_H

#include <windows.h>

INT_PTR CALLBACK FastExitDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// Runs the choice dialog; returns the chosen FastExitAction, kFastExitAsk
// when cancelled.
INT_PTR RunFastExitDialog(HWND owner);

// Performs a FastExitAction; kFastExitAsk and unknown codes do nothing.
void DoFastExit(int action, HWND owner);
void ExitWindowsWith(UINT flags, HWND owner);
BOOL EnableShutdownPrivilege();
void RestartWindows95(HWND owner);
void ExitToDos(HWND owner);

#endif
