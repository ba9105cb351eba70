// libFuzzer target: walking a 16-bit version block stays inside the block
// whatever its lengths say, hands out keys and values inside it, and the
// record the dialog keeps them in takes whatever comes. (libFuzzer passes a
// heap copy of exactly `size` bytes, so AddressSanitizer sees any read past it.)
#include <string>

#include "saverdlg/versionblock.h"

namespace {
struct Block {
  const uint8_t* data;
  size_t size;
  VersionInfo info;
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Block block{data, size, {}};
  IsSixteenBitVersionBlock(data, size);
  WalkSixteenBitVersionBlock(data, size,
                             [](void* context, const char* key, const char* value, size_t length) {
                               Block* b = static_cast<Block*>(context);
                               const char* begin = reinterpret_cast<const char*>(b->data);
                               if (key < begin || value < begin || value + length > begin + b->size) __builtin_trap();
                               std::string text(value, length);
                               if (!b->info.HasEntry(key, text.c_str())) b->info.Add(key, value, length);
                               b->info.FindEntryValue(b->info.entries.Empty() ? key : b->info.entries.begin()->listText);
                             },
                             &block);
  return 0;
}
