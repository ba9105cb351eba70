#include "app/instance_win.h"

#include "app/messages.h"

namespace {

const char kStartingMutex[] = "Napkey_Resident_Starting";
constexpr DWORD kStartWaitMs = 20000;  // a start that takes longer is treated as no start

HANDLE g_starting = nullptr;  // held by this copy while it makes its main window

}  // namespace

HWND FindRunningCopy(bool resident) {
  HANDLE mutex = resident ? CreateMutexA(nullptr, FALSE, kStartingMutex) : OpenMutexA(SYNCHRONIZE, FALSE, kStartingMutex);
  if (mutex) {
    const DWORD waited = WaitForSingleObject(mutex, kStartWaitMs);
    const bool owned = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
    HWND running = FindWindowA(kMainWindowClass, nullptr);
    if (owned && resident && !running) {
      g_starting = mutex;  // released once the main window exists; the handle stays open
      return nullptr;
    }
    if (owned) ReleaseMutex(mutex);
    CloseHandle(mutex);
    return running;
  }
  return FindWindowA(kMainWindowClass, nullptr);
}

void MainWindowReady() {
  if (g_starting) ReleaseMutex(g_starting);
}
