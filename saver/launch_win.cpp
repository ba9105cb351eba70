#include "saver/launch_win.h"

// TODO(LaunchSaver): starting the saver is not built yet.
void LaunchSaver(HWND, const char*, LaunchMode) {}
