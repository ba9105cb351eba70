#include "base/helppath.h"

#include <cstring>

const char kHelpFileName[] = "napkey.hlp";

void ComposeHelpPath(const char* modulePath, char* buffer, size_t bufferSize) {
  if (!buffer || bufferSize == 0) return;
  const size_t nameLength = sizeof kHelpFileName - 1;
  size_t directoryLength = 0;
  if (modulePath) {
    const char* lastBackslash = std::strrchr(modulePath, '\\');
    if (lastBackslash) directoryLength = static_cast<size_t>(lastBackslash - modulePath) + 1;
  }
  if (directoryLength + nameLength + 1 > bufferSize) directoryLength = 0;
  if (nameLength + 1 > bufferSize) {
    buffer[0] = '\0';
    return;
  }
  if (directoryLength) std::memcpy(buffer, modulePath, directoryLength);  // modulePath may be null
  std::memcpy(buffer + directoryLength, kHelpFileName, nameLength + 1);
}
