#include "tray/icons_win.h"

#include <shellapi.h>

#include "app/userxface.h"
#include "saver/saverstate_win.h"

// TODO(UpdateTaskbarIcons): the icons are not added yet.
void UserXface::UpdateTaskbarIcons() {}

void UserXface::RefreshSaverState() {
  UpdateTaskbarIcons();
  const BOOL active = CurrentSaverState().active ? TRUE : FALSE;
  toggleFace.pressed = FALSE;
  toggleFace.saverEnabled = active;
  SetWindowTextA(toggleButton, active ? "Disable screen saver" : "Enable screen saver");
  InvalidateRect(toggleButton, nullptr, FALSE);
  UpdateWindow(toggleButton);
}

// TODO(OnSaverIconNotify, OnFastExitIconNotify): icon clicks are ignored.
void UserXface::OnSaverIconNotify(HWND, WPARAM, LPARAM) {}
void UserXface::OnFastExitIconNotify(HWND, WPARAM, LPARAM) {}

void RemoveTaskbarIcon(UINT id) {
  NOTIFYICONDATAA data;
  ZeroMemory(&data, sizeof data);
  data.cbSize = sizeof data;
  data.hWnd = g_mainWindow;
  data.uID = id;
  Shell_NotifyIconA(NIM_DELETE, &data);
}
