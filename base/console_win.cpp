#include "base/console_win.h"

#include <windows.h>

#include <cstring>

#include "base/syslib_win.h"

void TellConsole(const char* line) {
  HANDLE out = GetStdHandle(STD_ERROR_HANDLE);
  bool attached = false;
  if (!out || out == INVALID_HANDLE_VALUE) {
    // Since Windows XP a program of the windows subsystem may borrow its parent's console.
    using Attach = BOOL(WINAPI*)(DWORD);
    static Attach attach = nullptr;
    if (!SystemFunction("kernel32.dll", "AttachConsole", &attach) || !attach(static_cast<DWORD>(-1))) return;  // ATTACH_PARENT_PROCESS
    attached = true;
    out = CreateFileA("CONOUT$", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  }
  if (out && out != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    WriteFile(out, line, static_cast<DWORD>(std::strlen(line)), &written, nullptr);
    WriteFile(out, "\r\n", 2, &written, nullptr);
  }
  if (attached) {
    if (out != INVALID_HANDLE_VALUE) CloseHandle(out);
    FreeConsole();
  }
}
