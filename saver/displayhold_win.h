// The display kept on while the saver is held off: since Windows 98 and 2000
// the monitor's own power-off does not ask the saver, so a presentation
// would still go dark.
#ifndef NAPKEY_SAVER_DISPLAYHOLD_WIN_H
#define NAPKEY_SAVER_DISPLAYHOLD_WIN_H

#include <windows.h>

// The system's SetThreadExecutionState, looked up when first asked; false
// where there is none. Defined apart from the rest, like the session-ending
// calls, so that a test build records the requests in its place.
BOOL RequestExecutionState(DWORD flags);

class DisplayHold {
 public:
  DisplayHold() = default;
  DisplayHold(const DisplayHold&) = delete;
  DisplayHold& operator=(const DisplayHold&) = delete;
  ~DisplayHold() { Set(false); }
  // Asks the system only when the wish changes, and not at all on a Windows
  // that predates the request.
  void Set(bool wanted);

 private:
  bool held = false;
};

#endif
