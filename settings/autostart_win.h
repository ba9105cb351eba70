// The Run value that starts the program with Windows, as the Customize sheet
// sees it: read when the sheet opens, changed by its Apply, and put back as
// found when the sheet ends cancelled.
#ifndef NAPKEY_SETTINGS_AUTOSTART_WIN_H
#define NAPKEY_SETTINGS_AUTOSTART_WIN_H

#include <windows.h>

#include "base/registry_win.h"

class RunValue {
 public:
  RunValue();
  // Whether the value was there when it was read; of any kind, since the
  // box should say what the system has.
  bool Found() const { return found.bytes != nullptr; }
  // Makes the value start this exe when `ticked`, else removes it; false
  // when that could not be done.
  bool Apply(bool ticked);
  // Puts the value back as read, if an Apply changed it; false when that
  // could not be done.
  bool Restore();

 private:
  StoredValue found;
  bool changed = false;
};

#endif
