#include "saverdlg/props_win.h"

// TODO(SaverPropsDialog): the Screen Saver Properties dialog is not built yet.
INT_PTR RunSaverPropertiesDialog(HWND) { return 0; }
