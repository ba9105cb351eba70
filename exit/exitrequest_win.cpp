#include "exit/exitrequest_win.h"

BOOL RequestWindowsExit(UINT flags) { return ExitWindowsEx(flags, 0); }

BOOL OpenOwnProcessToken(DWORD access, HANDLE* token) {
  return OpenProcessToken(GetCurrentProcess(), access, token);
}
