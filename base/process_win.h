// The two handles every part of the program may need: the module instance
// and the main window (null until it exists, never cleared afterwards).
#ifndef NAPKEY_BASE_PROCESS_WIN_H
#define NAPKEY_BASE_PROCESS_WIN_H

#include <windows.h>

extern HINSTANCE g_instance;
extern HWND g_mainWindow;

#endif
