#include "app/about_win.h"

#include "app/helppath.h"
#include "app/platform_win.h"
#include "app/userxface.h"
#include "res/resource.h"

namespace {

char* g_helpPath = nullptr;
DWORD g_helpContext = kHelpNone;
bool g_helpShown = false;

void SetTextIfPresent(HWND dialog, int id, const char* text) {
  HWND control = GetDlgItem(dialog, id);
  if (control) SetWindowTextA(control, text);
}

}  // namespace

INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      PlaceDialog(dialog);
      SetTextIfPresent(dialog, IDC_ABOUT_VERSION, "Ver. 4.10");
      SetTextIfPresent(dialog, IDC_ABOUT_PLATFORM, "for Windows 95 && NT");
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

INT_PTR CALLBACK WelcomeDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      PlaceDialog(dialog);
      return TRUE;
    case WM_COMMAND:
      EndDialog(dialog, LOWORD(wParam));
      return TRUE;
    default:
      return FALSE;
  }
}

const char* GetHelpFilePath() {
  if (!g_helpPath) {
    g_helpPath = new char[MAX_PATH + 1];
    char modulePath[MAX_PATH + 1];
    const DWORD length = GetModuleFileNameA(nullptr, modulePath, MAX_PATH);
    // A path cut at the buffer's end is no usable directory.
    const bool known = length > 0 && length < MAX_PATH;
    if (known) modulePath[length] = '\0';
    ComposeHelpPath(known ? modulePath : nullptr, g_helpPath, MAX_PATH + 1);
  }
  return g_helpPath;
}

void SetHelpContext(DWORD context) { g_helpContext = context; }

void ShowHelp() {
  const BOOL shown = g_helpContext != kHelpNone
                         ? WinHelpA(g_mainWindow, GetHelpFilePath(), HELP_CONTEXT, g_helpContext)
                         : WinHelpA(g_mainWindow, GetHelpFilePath(), HELP_CONTENTS, 0);
  if (shown) g_helpShown = true;
}

void ShowHelpTopic(DWORD context) {
  SetHelpContext(context);
  ShowHelp();
}

void CloseHelp() {
  if (g_helpShown) {
    WinHelpA(g_mainWindow, GetHelpFilePath(), HELP_QUIT, 0);
    g_helpShown = false;
  }
  delete[] g_helpPath;
  g_helpPath = nullptr;
}
