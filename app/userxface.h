// The application object: owner of the main window's resources, the button
// faces and the live options record for the whole run.
#ifndef NAPKEY_APP_USERXFACE_H
#define NAPKEY_APP_USERXFACE_H

#include <windows.h>

#include "base/process_win.h"
#include "buttonbar/face_win.h"
#include "settings/options.h"

class StartupState;

class UserXface {
 public:
  // 0 get or create (runs the start-up sequence), 1 get existing (null while
  // initialising), 2 destroy; any other mode returns the pointer unchanged.
  static UserXface* Access(int mode);

  // Bar buttons, in field order: enable/disable, start, Fast Exit, properties.
  HWND toggleButton = nullptr;
  HWND startButton = nullptr;
  HWND fastExitButton = nullptr;
  HWND propertiesButton = nullptr;
  ButtonFace toggleFace;
  ButtonFace startFace;
  ButtonFace fastExitFace;
  ButtonFace propertiesFace;
  int32_t barWidth = 0;
  int32_t barHeight = 0;
  BOOL appBarRegistered = FALSE;
  RECT freeArea = {0, 0, 0, 0};
  int32_t dragState = 0;
  BOOL saverIconShown = FALSE;
  BOOL fastExitIconShown = FALSE;
  BOOL iconClicksAllowed = TRUE;
  BOOL hotKeysAllowed = TRUE;
  Options* options = nullptr;

  void ApplyOptions(const Options* record);
  void ApplyAll();
  void SaveSettings();
  void OnCommand(HWND window, WPARAM wParam, LPARAM lParam);
  // The bracket around every modal dialog of the program: icon clicks and
  // most hot keys only beep while it is closed.
  void SetAllowFlags(BOOL allowed);

  // Button bar.
  void LayoutBar();
  void PositionBar();
  void QueryFreeArea();
  void SetBarZOrder(HWND insertAfter);
  void TrackDrag(int phase);
  void OnAppBarNotify(HWND window, WPARAM code, LPARAM parameter);
  void OnDrawItem(const DRAWITEMSTRUCT* item);
  // Taskbar icons and hot keys.
  void UpdateTaskbarIcons();
  void RefreshSaverState();
  void OnSaverIconNotify(HWND window, WPARAM id, LPARAM mouseMessage);
  void OnFastExitIconNotify(HWND window, WPARAM id, LPARAM mouseMessage);
  void RegisterHotKeys();
  void OnHotKey(HWND window, WPARAM id, LPARAM keys);

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
