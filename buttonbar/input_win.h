// Mouse input on the bar's buttons.
#ifndef NAPKEY_BUTTONBAR_INPUT_WIN_H
#define NAPKEY_BUTTONBAR_INPUT_WIN_H

#include <windows.h>

// The standard button procedure, taken when the first button is subclassed.
extern WNDPROC originalButtonProc;

LRESULT CALLBACK BarButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam);

// 1 when the key is down now (a press and release since the last call does not count).
int IsKeyDown(int virtualKey);

#endif
