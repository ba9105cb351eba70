#include "saver/timedoff_win.h"

#include "saver/watchdog.h"

namespace {

unsigned long long Now() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  return (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
}

}  // namespace

bool TimedOff::Start(HWND window, unsigned seconds) {
  Cancel(window);
  if (seconds == 0) return false;
  end = Now() + seconds * kTicksPerSecond;
  if (!Arm(window)) return false;
  // Shown as the user reads the time of day: the end in local time, no seconds.
  FILETIME utc = {static_cast<DWORD>(end), static_cast<DWORD>(end >> 32)}, local;
  SYSTEMTIME time;
  if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &time) ||
      !GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &time, nullptr, until, sizeof until))
    until[0] = '\0';
  return true;
}

void TimedOff::Cancel(HWND window) {
  if (end) KillTimer(window, kTimedOffTimerId);
  end = 0;
  until[0] = '\0';
}

bool TimedOff::Due(HWND window) {
  if (!end) return false;
  if (TimedOffWaitMs(Now(), end) > 0 && Arm(window)) return false;
  Cancel(window);
  return true;
}

// A timer cannot be set for a time of day, so it waits what is left; a
// timer that fires late after a sleep is caught by the wake-up's check.
bool TimedOff::Arm(HWND window) {
  if (SetTimer(window, kTimedOffTimerId, TimedOffWaitMs(Now(), end), nullptr)) return true;
  end = 0;
  until[0] = '\0';
  return false;
}
