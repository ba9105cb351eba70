#include "saver/displayhold_win.h"

BOOL RequestExecutionState(DWORD flags) {
  using Function = DWORD(WINAPI*)(DWORD);
  static Function function = nullptr;  // a plain static: no guard for the runtime to pull in
  if (!function)
    function = reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetThreadExecutionState")));
  return function && function(flags) != 0;
}
