// Mouse input on the bar's buttons.
#ifndef NAPKEY_BUTTONBAR_INPUT_WIN_H
#define NAPKEY_BUTTONBAR_INPUT_WIN_H

#include <windows.h>

// The standard button procedure, taken when the first button is subclassed.
extern WNDPROC originalButtonProc;

LRESULT CALLBACK BarButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam);

#endif
