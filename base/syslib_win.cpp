#include "base/syslib_win.h"

FARPROC SystemProc(const char* library, const char* name) {
  HMODULE module = GetModuleHandleA(library);
  if (!module) module = LoadLibraryA(library);  // kept loaded: its functions are cached
  return module ? GetProcAddress(module, name) : nullptr;
}
