#include "tray/icons_win.h"

#include <shellapi.h>

#include "app/userxface.h"

// TODO(UpdateTaskbarIcons): the icons are not added yet.
void UserXface::UpdateTaskbarIcons() {}

// TODO(RefreshSaverState): the icon, button text and face do not follow the
// saver state yet.
void UserXface::RefreshSaverState() {}

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
