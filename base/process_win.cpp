#include "base/process_win.h"

HINSTANCE g_instance = nullptr;
HWND g_mainWindow = nullptr;
