#include "base/shelllib_win.h"

namespace {

HMODULE g_comctl32 = nullptr;
HMODULE g_shell32 = nullptr;

// The function `name` of `library`, looked up once; null when it is missing.
template <typename Function>
Function Lookup(HMODULE* library, const char* libraryName, const char* name, Function* cache) {
  if (!*cache) {
    if (!*library) *library = LoadLibraryA(libraryName);
    if (*library) *cache = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(*library, name)));
  }
  return *cache;
}

}  // namespace

void LoadShellLibraries() {
  using Init = void(WINAPI*)();
  static Init init = nullptr;
  if (Init function = Lookup(&g_comctl32, "comctl32.dll", "InitCommonControls", &init)) function();
  if (!g_shell32) g_shell32 = LoadLibraryA("shell32.dll");
}

BOOL ShellNotifyIcon(DWORD message, NOTIFYICONDATAA* data) {
  using Function = BOOL(WINAPI*)(DWORD, NOTIFYICONDATAA*);
  static Function function = nullptr;
  return Lookup(&g_shell32, "shell32.dll", "Shell_NotifyIconA", &function) ? function(message, data) : FALSE;
}

UINT_PTR AppBarMessage(DWORD message, APPBARDATA* data) {
  using Function = UINT_PTR(WINAPI*)(DWORD, APPBARDATA*);
  static Function function = nullptr;
  return Lookup(&g_shell32, "shell32.dll", "SHAppBarMessage", &function) ? function(message, data) : 0;
}

HICON ExtractIconOf(HINSTANCE instance, const char* file, UINT index) {
  using Function = HICON(WINAPI*)(HINSTANCE, LPCSTR, UINT);
  static Function function = nullptr;
  return Lookup(&g_shell32, "shell32.dll", "ExtractIconA", &function) ? function(instance, file, index) : nullptr;
}

INT_PTR RunPropertySheet(PROPSHEETHEADERA* header) {
  using Function = INT_PTR(WINAPI*)(PROPSHEETHEADERA*);
  static Function function = nullptr;
  return Lookup(&g_comctl32, "comctl32.dll", "PropertySheetA", &function) ? function(header) : -1;
}
