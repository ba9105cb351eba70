// The seven hot keys, registered on the main window.
#ifndef NAPKEY_TRAY_HOTKEYS_WIN_H
#define NAPKEY_TRAY_HOTKEYS_WIN_H

#include <windows.h>

#include "settings/options.h"

class HotKeys {
 public:
  // Registers the keys set (again), telling in one box which were taken.
  void Register(HWND mainWindow, const HotKeyOptions& keys) const;
  // Carries out hot key `id`: a beep while it is held back, its command
  // otherwise. The key that shows the bar is the application's own: true for it.
  bool Press(HWND window, WPARAM id) const;

  // Cleared while one of the program's modal dialogs is open; starting the
  // saver stays allowed.
  bool allowed = true;
};

#endif
