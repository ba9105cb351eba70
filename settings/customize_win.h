// The Customize sheet: four pages over a working copy of the live options,
// handed over to the main window on Apply and OK.
#ifndef NAPKEY_SETTINGS_CUSTOMIZE_WIN_H
#define NAPKEY_SETTINGS_CUSTOMIZE_WIN_H

#include <windows.h>

#include "settings/options.h"

// The page the sheet opens at when there are no taskbar icons: the Button Bar's.
int32_t FirstCustomizePage(int platformLevel);

// Shows the sheet over `live`, opening at `*startPage` (which it updates);
// true when it ends accepted.
bool RunCustomizeSheet(HWND owner, Options* live, int32_t* startPage);

#endif
