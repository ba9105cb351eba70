#include "saver/displayhold_win.h"

BOOL RequestExecutionState(DWORD flags) {
  using Function = DWORD(WINAPI*)(DWORD);
  static const Function function = reinterpret_cast<Function>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetThreadExecutionState")));
  return function && function(flags) != 0;
}
