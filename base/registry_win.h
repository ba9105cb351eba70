// A registry key opened for its values.
#ifndef NAPKEY_BASE_REGISTRY_WIN_H
#define NAPKEY_BASE_REGISTRY_WIN_H

#include <windows.h>

#include <memory>

#include "base/owned_win.h"

enum RegistryRoot { RootLocalMachine = 0, RootCurrentUser = 1, RootUsers = 2, RootClassesRoot = 3 };
enum KeyOpenMode { OpenNothing = 0, OpenRead = 1, OpenReadWrite = 2 };

// A value as stored, its bytes followed by a zero so that text reads
// terminated; no bytes when it is absent or could not be read.
struct StoredValue {
  DWORD type = REG_NONE;
  DWORD size = 0;
  std::unique_ptr<char[]> bytes;
};

class RegistryKey {
 public:
  // Mode 2 falls back to read-only access when the key cannot be written.
  RegistryKey(int rootIndex, const char* subKeyName, int openMode);

  BOOL SetValue(const char* valueName, long number, BOOL asText);
  BOOL QueryValue(const char* valueName, long* number);
  BOOL HasValue(const char* valueName) const;
  StoredValue QueryStored(const char* valueName);
  BOOL SetStored(const char* valueName, DWORD type, const char* bytes, DWORD size);
  // TRUE when the value is gone, also when it was never there.
  BOOL DeleteValue(const char* valueName);
  int OpenState() const { return openState; }

 private:
  HKEY root = nullptr;
  OwnedKey key;  // open exactly when openState is not OpenNothing
  std::unique_ptr<char[]> subKeyName;
  int openState = OpenNothing;
};

#endif
