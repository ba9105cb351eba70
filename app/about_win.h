// The About box and the welcome shown at the first start.
#ifndef NAPKEY_APP_ABOUT_WIN_H
#define NAPKEY_APP_ABOUT_WIN_H

#include <windows.h>

INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK WelcomeDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif
