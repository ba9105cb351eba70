// libFuzzer target: a 16-bit saver's description and the name made from it
// stay inside the bytes given and inside their buffers, and end terminated.
#include <cstring>

#include "saverdlg/exeheader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  MemoryBytes file{data, size};
  char description[256];  // larger than any description: the reader must cut it
  if (!ReadNeDescription(file.Reader(), description, sizeof description)) return 0;
  char name[80];
  Saver16DisplayName(description, name, sizeof name);
  if (std::memchr(name, '\0', sizeof name) == nullptr) __builtin_trap();
  return 0;
}
