// Entry point: one instance, or one command-line action and out.
#include <windows.h>

#include "app/cmdline.h"
#include "app/cmdline_win.h"
#include "base/errortext.h"
#include "app/instance_win.h"
#include "base/messages.h"
#include "app/userxface.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  g_instance = instance;
  // Someone must turn the saver on again when a timed off ends: without a
  // running copy, this one stays.
  const unsigned timedOff = TimedOffMinutes(commandLine, SameWord);
  if (commandLine && *commandLine && !timedOff) return RunCommandLine(FindRunningCopy(false), commandLine);
  if (timedOff && OffRefusedByPolicy()) return 1;
  if (HWND running = FindRunningCopy(true)) {
    if (timedOff) {
      SendMessageA(running, WM_NAPKEY_TIMED_OFF, timedOff, 0);
      return 0;
    }
    SetForegroundWindow(running);
    MessageBoxA(running, "Drowsel/Plus is already running!", kProgramCaption,
                MB_OK | MB_ICONEXCLAMATION | MB_SETFOREGROUND);
    return 0;
  }

  const bool started = UserXface::Access(0) != nullptr;
  MainWindowReady();
  if (!started) {
    MessageBoxA(nullptr, "Fatal Error:  Could not start program.", kProgramCaption,
                MB_OK | MB_ICONHAND | MB_SETFOREGROUND);
    return 0;
  }
  if (timedOff) PostMessageA(g_mainWindow, WM_NAPKEY_TIMED_OFF, timedOff, 0);
  MSG message;
  message.wParam = 0;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  UserXface::Access(2);
  return static_cast<int>(message.wParam);
}
