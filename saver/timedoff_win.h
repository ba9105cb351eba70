// The saver held off until a time of day: one timer on the main window for
// the end, and the end checked against the clock again whenever the machine
// wakes or the clock is set, so that neither makes it last longer than asked.
#ifndef NAPKEY_SAVER_TIMEDOFF_WIN_H
#define NAPKEY_SAVER_TIMEDOFF_WIN_H

#include <windows.h>

constexpr UINT_PTR kTimedOffTimerId = 0x70FF;

class TimedOff {
 public:
  // Ends `seconds` (from TimedOffSeconds) from now; false, and nothing
  // running, for 0 or when no timer can be set.
  bool Start(HWND window, unsigned seconds);
  void Cancel(HWND window);
  // On its timer, a wake-up or a clock change: true once the end has come,
  // the timer gone; otherwise the timer is set again for what is left.
  bool Due(HWND window);
  bool Running() const { return end != 0; }
  // The end in the user's time format ("14:30"); empty when not running.
  const char* Until() const { return until; }

 private:
  bool Arm(HWND window);
  unsigned long long end = 0;
  char until[32] = "";
};

#endif
