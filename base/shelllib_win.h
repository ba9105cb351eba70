// The functions of comctl32 and shell32, which only the resident program
// needs: loaded when it starts, so that a command-line copy (`napkey off`)
// never loads those libraries. Each call fails quietly (0 or null) when its
// library or function could not be had.
#ifndef NAPKEY_BASE_SHELLLIB_WIN_H
#define NAPKEY_BASE_SHELLLIB_WIN_H

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

// Loads both libraries and registers the common controls.
void LoadShellLibraries();

BOOL ShellNotifyIcon(DWORD message, NOTIFYICONDATAA* data);
UINT_PTR AppBarMessage(DWORD message, APPBARDATA* data);
HICON ExtractIconOf(HINSTANCE instance, const char* file, UINT index);
INT_PTR RunPropertySheet(PROPSHEETHEADERA* header);

#endif
