// The desktop key, which holds the saver's password-protection flag.
#ifndef NAPKEY_SAVER_DESKTOPKEY_WIN_H
#define NAPKEY_SAVER_DESKTOPKEY_WIN_H

#include "base/registry_win.h"

class DesktopKey : public RegistryKey {
 public:
  explicit DesktopKey(int openMode) : RegistryKey(RootCurrentUser, "Control Panel\\Desktop", openMode) {}
  BOOL SetPasswordFlag(long flag);
  BOOL GetPasswordFlag(long* flag);
};

#endif
