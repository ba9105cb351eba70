// The Screen Saver Properties dialog.
#ifndef NAPKEY_SAVERDLG_PROPS_WIN_H
#define NAPKEY_SAVERDLG_PROPS_WIN_H

#include <windows.h>

// Non-zero when the dialog changed the saver's state.
INT_PTR RunSaverPropertiesDialog(HWND owner);

#endif
