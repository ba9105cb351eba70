#include "base/registry_win.h"

#include <cstring>
#include <utility>

#include "base/textbuf.h"
#include "base/regnumber.h"

namespace {

HKEY RootKey(int index) {
  switch (index) {
    case RootLocalMachine: return HKEY_LOCAL_MACHINE;
    case RootCurrentUser: return HKEY_CURRENT_USER;
    case RootUsers: return HKEY_USERS;
    case RootClassesRoot: return HKEY_CLASSES_ROOT;
    default: return nullptr;
  }
}

}  // namespace

RegistryKey::RegistryKey(int rootIndex, const char* name, int openMode) : root(RootKey(rootIndex)) {
  if (name) subKeyName = CopyText(name, std::strlen(name));
  if (!root || !subKeyName) return;
  // What a failed call leaves in its out-parameter is no key.
  HKEY opened = nullptr;
  if (openMode == OpenReadWrite) {
    DWORD disposition = 0;
    if (RegCreateKeyExA(root, subKeyName.get(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr,
                        &opened, &disposition) == ERROR_SUCCESS)
      openState = OpenReadWrite;
  }
  if (openState == OpenNothing && openMode != OpenNothing) {
    if (RegOpenKeyExA(root, subKeyName.get(), 0, KEY_READ, &opened) == ERROR_SUCCESS) openState = OpenRead;
  }
  if (openState != OpenNothing) key.Reset(opened);
}

BOOL RegistryKey::SetValue(const char* valueName, long number, BOOL asText) {
  if (openState != OpenReadWrite) return FALSE;
  if (asText) {
    char text[16];
    TextBuilder(text, sizeof text).AppendNumber(number);
    return RegSetValueExA(key.Get(), valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                          static_cast<DWORD>(std::strlen(text) + 1)) == ERROR_SUCCESS;
  }
  const DWORD value = static_cast<DWORD>(number);
  return RegSetValueExA(key.Get(), valueName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value) ==
         ERROR_SUCCESS;
}

BOOL RegistryKey::HasValue(const char* valueName) const {
  return openState != OpenNothing && RegQueryValueExA(key.Get(), valueName, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

BOOL RegistryKey::QueryValue(const char* valueName, long* number) {
  if (!number) return FALSE;
  const StoredValue value = QueryStored(valueName);
  if (!value.bytes) return FALSE;
  if (value.type == REG_DWORD) {
    if (value.size != sizeof(DWORD)) return FALSE;
    DWORD stored;
    std::memcpy(&stored, value.bytes.get(), sizeof stored);
    *number = static_cast<long>(static_cast<LONG>(stored));
    return TRUE;
  }
  if (value.type != REG_SZ) return FALSE;
  *number = ParseRegistryNumber(value.bytes.get(), value.size);
  return TRUE;
}

StoredValue RegistryKey::QueryStored(const char* valueName) {
  StoredValue value;
  DWORD size = 0;
  if (openState == OpenNothing ||
      RegQueryValueExA(key.Get(), valueName, nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS)
    return value;
  // A zero past the bytes: text stored without its own still reads terminated.
  std::unique_ptr<char[]> bytes(new char[size + 1]);
  if (!bytes) return value;
  std::memset(bytes.get(), 0, size + 1);
  if (RegQueryValueExA(key.Get(), valueName, nullptr, &value.type, reinterpret_cast<BYTE*>(bytes.get()), &size) !=
      ERROR_SUCCESS)
    return value;
  value.size = size;
  value.bytes = std::move(bytes);
  return value;
}

BOOL RegistryKey::SetStored(const char* valueName, DWORD type, const char* bytes, DWORD size) {
  return openState == OpenReadWrite &&
         RegSetValueExA(key.Get(), valueName, 0, type, reinterpret_cast<const BYTE*>(bytes), size) == ERROR_SUCCESS;
}

BOOL RegistryKey::DeleteValue(const char* valueName) {
  if (openState != OpenReadWrite) return FALSE;
  const LONG result = RegDeleteValueA(key.Get(), valueName);
  return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}
