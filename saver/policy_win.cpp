#include "saver/policy_win.h"

#include "base/registry_win.h"

SaverPolicy ReadSaverPolicy() {
  RegistryKey key(RootCurrentUser, "Software\\Policies\\Microsoft\\Windows\\Control Panel\\Desktop", OpenRead);
  SaverPolicy policy;
  if (key.OpenState() == OpenNothing) return policy;
  long number = 0;
  const bool present = key.QueryValue("ScreenSaveActive", &number) != FALSE;
  policy.active = PolicyActive(present, number);
  policy.timeout = key.HasValue("ScreenSaveTimeOut");
  policy.secure = key.HasValue("ScreenSaverIsSecure");
  policy.saver = key.HasValue("SCRNSAVE.EXE");
  return policy;
}
