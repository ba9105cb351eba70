#include "exit/fastexit_win.h"

// TODO(FastExitDlgProc): the choice dialog is not built; it answers Cancel.
INT_PTR RunFastExitDialog(HWND) { return 0; }

// TODO(DoFastExit): no Fast Exit action is carried out yet.
void DoFastExit(int, HWND) {}
