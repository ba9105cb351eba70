#include "settings/autostart_win.h"

#include <cstring>

#include "settings/autostart.h"

namespace {

// A value of another kind than text starts nothing, so it names no exe.
const char* TextOf(const StoredValue& value) {
  if (!value.bytes) return nullptr;
  return value.type == REG_SZ || value.type == REG_EXPAND_SZ ? value.bytes.get() : "";
}

}  // namespace

RunValue::RunValue() : found(RegistryKey(RootCurrentUser, kRunKey, OpenRead).QueryStored(kRunValueName)) {}

bool RunValue::Apply(bool ticked) {
  RegistryKey key(RootCurrentUser, kRunKey, OpenReadWrite);
  // Read again: an earlier Apply of this sheet may have changed it.
  const StoredValue now = key.QueryStored(kRunValueName);
  char exePath[MAX_PATH] = "", command[MAX_PATH + 2] = "";
  const DWORD length = GetModuleFileNameA(nullptr, exePath, sizeof exePath);
  // A path cut to fit would start nothing.
  if (ticked && (length == 0 || length >= sizeof exePath || !ComposeRunCommand(exePath, command, sizeof command)))
    return false;
  switch (RunChangeFor(ticked, TextOf(now), exePath)) {
    case kRunKept: return true;
    case kRunRemoved:
      changed = true;
      return key.DeleteValue(kRunValueName);
    case kRunWritten:
      changed = true;
      return key.SetStored(kRunValueName, REG_SZ, command, static_cast<DWORD>(std::strlen(command) + 1));
  }
  return false;
}

bool RunValue::Restore() {
  if (!changed) return true;
  RegistryKey key(RootCurrentUser, kRunKey, OpenReadWrite);
  changed = false;
  return found.bytes ? key.SetStored(kRunValueName, found.type, found.bytes.get(), found.size)
                     : key.DeleteValue(kRunValueName);
}
