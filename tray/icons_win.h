// The two taskbar notification icons.
#ifndef NAPKEY_TRAY_ICONS_WIN_H
#define NAPKEY_TRAY_ICONS_WIN_H

#include <windows.h>

#include "settings/options.h"

constexpr UINT kSaverIconId = 22766;
constexpr UINT kFastExitIconId = 22767;

class TaskbarIcons {
 public:
  TaskbarIcons() = default;
  ~TaskbarIcons();  // takes both icons away
  TaskbarIcons(const TaskbarIcons&) = delete;
  TaskbarIcons& operator=(const TaskbarIcons&) = delete;

  // Adds, changes or removes each icon of the main window to match the options
  // and the saver's state (`offUntil`: the end of a timed off, or empty).
  void Update(HWND mainWindow, const Options& options, bool saverActive, const char* offUntil, bool byPolicy);
  // The shell's taskbar was made again, without them.
  void Forget() { saverShown = fastExitShown = FALSE; }
  void OnSaverIconNotify(HWND window, WPARAM id, LPARAM mouseMessage, const Options& options) const;
  void OnFastExitIconNotify(HWND window, WPARAM id, LPARAM mouseMessage, const Options& options) const;

  // Cleared while one of the program's modal dialogs is open: a click only beeps.
  bool clicksAllowed = true;

 private:
  HWND window = nullptr;
  BOOL saverShown = FALSE;
  BOOL fastExitShown = FALSE;
};

// The message the shell broadcasts when its taskbar is (re-)created.
UINT TaskbarCreatedMessage();

// A single click on the screen-saver icon waits one double-click time, in
// case it becomes a double click. Each waiting click has its own request, so
// a second single click cannot overwrite the first; a double click cancels
// every single click still waiting.
struct DelayedSend {
  DWORD delay;
  LONG epoch;  // the cancel count when the click was made
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};
DWORD WINAPI DelayedSendThread(void* request);

#endif
