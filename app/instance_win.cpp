#include "app/instance_win.h"

#include "base/messages.h"
#include "base/owned_win.h"

namespace {

const char kStartingMutex[] = "Napkey_Resident_Starting";

HANDLE g_starting = nullptr;  // held by this copy while it makes its main window

}  // namespace

// A copy that is still starting holds the mutex until its main window exists,
// or the system gives the mutex up when that copy dies. Waiting for exactly
// that, however long a slow machine makes it, is what keeps a second copy
// from ever becoming resident beside it: a limit on the wait could only end
// in two instances or in a copy that gives up with no instance at all.
HWND FindRunningCopy(bool resident) {
  OwnedHandle mutex(resident ? CreateMutexA(nullptr, FALSE, kStartingMutex)
                              : OpenMutexA(SYNCHRONIZE, FALSE, kStartingMutex));
  if (mutex.Ok()) {
    const DWORD waited = WaitForSingleObject(mutex.Get(), INFINITE);
    const bool owned = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
    HWND running = FindWindowA(kMainWindowClass, nullptr);
    if (owned && resident && !running) {
      g_starting = mutex.Release();  // released once the main window exists; the handle stays open
      return nullptr;
    }
    if (owned) ReleaseMutex(mutex.Get());
    return running;
  }
  return FindWindowA(kMainWindowClass, nullptr);
}

void MainWindowReady() {
  if (g_starting) ReleaseMutex(g_starting);
}
