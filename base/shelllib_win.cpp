#include "base/shelllib_win.h"

#include "base/syslib_win.h"

void LoadShellLibraries() {
  using Init = void(WINAPI*)();
  static Init init = nullptr;
  if (Init function = SystemFunction("comctl32.dll", "InitCommonControls", &init)) function();
  LoadLibraryA("shell32.dll");  // kept for the program's life
}

BOOL ShellNotifyIcon(DWORD message, NOTIFYICONDATAA* data) {
  using Function = BOOL(WINAPI*)(DWORD, NOTIFYICONDATAA*);
  static Function function = nullptr;
  return SystemFunction("shell32.dll", "Shell_NotifyIconA", &function) ? function(message, data) : FALSE;
}

UINT_PTR AppBarMessage(DWORD message, APPBARDATA* data) {
  using Function = UINT_PTR(WINAPI*)(DWORD, APPBARDATA*);
  static Function function = nullptr;
  return SystemFunction("shell32.dll", "SHAppBarMessage", &function) ? function(message, data) : 0;
}

HICON ExtractIconOf(HINSTANCE instance, const char* file, UINT index) {
  using Function = HICON(WINAPI*)(HINSTANCE, LPCSTR, UINT);
  static Function function = nullptr;
  return SystemFunction("shell32.dll", "ExtractIconA", &function) ? function(instance, file, index) : nullptr;
}

INT_PTR RunPropertySheet(PROPSHEETHEADERA* header) {
  using Function = INT_PTR(WINAPI*)(PROPSHEETHEADERA*);
  static Function function = nullptr;
  return SystemFunction("comctl32.dll", "PropertySheetA", &function) ? function(header) : -1;
}
