// The Screen Saver Information dialog: a saver file's icon, kind, date and
// version resource, in either the 32-bit or the 16-bit layout.
#ifndef NAPKEY_SAVERDLG_INFODLG_WIN_H
#define NAPKEY_SAVERDLG_INFODLG_WIN_H

#include <windows.h>

#include "saverdlg/versionblock.h"

// The dialog parameter is the SaverEntry to show; ends with 1.
INT_PTR CALLBACK SaverInfoDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Reads the file's last-changed time and version resource into `info`
// (cleared first); true when at least one entry was made.
bool ReadVersionInfo(VersionInfo* info, const char* path);

// Puts the value of the list's chosen item into the value box.
void ShowSelectedValue(HWND dialog, VersionInfo* info);

#endif
