#include "app/about_win.h"

#include "base/platform_win.h"
#include "res/resource.h"

namespace {

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
