// Entry point: one instance, or one command-line action and out.
#include <windows.h>

#include "app/cmdline_win.h"
#include "app/errortext.h"
#include "app/messages.h"
#include "app/userxface.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  g_instance = instance;
  HWND running = FindWindowA(kMainWindowClass, nullptr);

  if (commandLine && *commandLine) {
    RunCommandLine(running, commandLine);
    return 0;
  }
  if (running) {
    SetForegroundWindow(running);
    MessageBoxA(running, "Drowsel/Plus is already running!", kProgramCaption,
                MB_OK | MB_ICONEXCLAMATION | MB_SETFOREGROUND);
    return 0;
  }

  if (!UserXface::Access(0)) {
    MessageBoxA(nullptr, "Fatal Error:  Could not start program.", kProgramCaption,
                MB_OK | MB_ICONHAND | MB_SETFOREGROUND);
    return 0;
  }
  MSG message;
  message.wParam = 0;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  UserXface::Access(2);
  return static_cast<int>(message.wParam);
}
