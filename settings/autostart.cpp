#include "settings/autostart.h"

#include <cstring>

const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kRunValueName[] = "Drowsel/Plus";
const char kRunNotChanged[] = "Could not change the list of programs that start with Windows.";

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameIgnoringCase(const char* a, const char* b, size_t length) {
  for (size_t i = 0; i < length; ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

}  // namespace

bool ComposeRunCommand(const char* exePath, char* out, size_t size) {
  const size_t length = std::strlen(exePath);
  if (size > 0) out[0] = '\0';
  if (length + 3 > size) return false;
  out[0] = '"';
  std::memcpy(out + 1, exePath, length);
  out[length + 1] = '"';
  out[length + 2] = '\0';
  return true;
}

// A value typed by hand may lack the quotes; either way a start by the same
// path, in any case, is this exe.
bool RunCommandNames(const char* data, const char* exePath) {
  size_t length = std::strlen(data);
  if (length >= 2 && data[0] == '"' && data[length - 1] == '"') {
    ++data;
    length -= 2;
  }
  return length == std::strlen(exePath) && SameIgnoringCase(data, exePath, length);
}

RunChange RunChangeFor(bool ticked, const char* stored, const char* exePath) {
  if (!ticked) return stored ? kRunRemoved : kRunKept;
  return stored && RunCommandNames(stored, exePath) ? kRunKept : kRunWritten;
}
