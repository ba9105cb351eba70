#include "saver/displayhold_win.h"

#include "base/syslib_win.h"

BOOL RequestExecutionState(DWORD flags) {
  using Function = DWORD(WINAPI*)(DWORD);
  static Function function = nullptr;
  return SystemFunction("kernel32.dll", "SetThreadExecutionState", &function) && function(flags) != 0;
}
