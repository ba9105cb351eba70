// The two taskbar notification icons.
#ifndef NAPKEY_TRAY_ICONS_WIN_H
#define NAPKEY_TRAY_ICONS_WIN_H

#include <windows.h>

constexpr UINT kSaverIconId = 22766;
constexpr UINT kFastExitIconId = 22767;

void RemoveTaskbarIcon(UINT id);

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
