// libFuzzer target: telling MS-DOS, NE and PE files apart, and deciding
// whether the system may read a file's icons, must stay inside the bytes
// given, whatever the header offsets say.
#include "saverdlg/exeheader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  MemoryBytes file{data, size};
  uint16_t major = 0, minor = 0;
  ExecutableKindOf(file.Reader(), &major, &minor);
  IconsReadable(file.Reader(), static_cast<uint32_t>(size));
  return 0;
}
