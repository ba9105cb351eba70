// The application object: owner of the main window, the bar, the taskbar
// icons, the hot keys and the live options record for the whole run.
#ifndef NAPKEY_APP_USERXFACE_H
#define NAPKEY_APP_USERXFACE_H

#include <windows.h>

#include <memory>

#include "base/process_win.h"
#include "buttonbar/bar_win.h"
#include "saver/displayhold_win.h"
#include "saver/timedoff_win.h"
#include "settings/options.h"
#include "tray/hotkeys_win.h"
#include "tray/icons_win.h"

class StartupState;

class UserXface {
 public:
  // 0 get or create (runs the start-up sequence), 1 get existing (null while
  // initialising), 2 destroy; any other mode returns the pointer unchanged.
  static UserXface* Access(int mode);

  ButtonBar bar;
  TaskbarIcons icons;
  HotKeys hotKeys;
  TimedOff timedOff;
  DisplayHold display;
  std::unique_ptr<Options> options;
  int32_t customizePage = 0;  // the page the Customize sheet opens at

  void ApplyOptions(const Options* record);
  void ApplyAll();
  void SaveSettings();
  void OnCommand(HWND window, WPARAM wParam, LPARAM lParam);
  // The bracket around every modal dialog of the program: icon clicks and
  // most hot keys only beep while it is closed.
  void SetAllowFlags(BOOL allowed);
  void LayoutBar();
  // The bar's toggle button, the icons and the display request after the
  // saver's state changed.
  void RefreshSaverState();
  void OnHotKey(HWND window, WPARAM id);

 private:
  UserXface();
  ~UserXface();
  UserXface(const UserXface&) = delete;
  UserXface& operator=(const UserXface&) = delete;
};

// The start-up settings, alive from before the application object is built
// until after it is gone.
StartupState* CurrentStartupState();

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

#endif
