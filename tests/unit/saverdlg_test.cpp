// The saver files' bytes: the damaged files the Windows-layer tests do not read.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "saverdlg/exeheader.h"
#include "saverdlg/versionblock.h"

namespace {

// `size` bytes: an MS-DOS header whose new header at `newHeader` starts with `signature`.
struct Image {
  std::vector<unsigned char> bytes;
  explicit Image(size_t size, uint32_t newHeader = 0x80, const char* signature = "PE\0\0", size_t signatureSize = 4)
      : bytes(size) {
    Put(0, 0x5A4D, 2).Put(0x18, 0x40, 2).Put(0x3C, newHeader, 4);
    for (size_t i = 0; i < signatureSize && newHeader + i < size; ++i) bytes[newHeader + i] = signature[i];
  }
  Image& Put(size_t at, uint32_t value, size_t width) {
    for (size_t i = 0; i < width && at + i < bytes.size(); ++i) bytes[at + i] = static_cast<uint8_t>(value >> 8 * i);
    return *this;
  }
  MemoryBytes Memory() { return MemoryBytes{bytes.data(), bytes.size()}; }
};

// The subsystem version lies at 48 and 50 in the optional header, 24 bytes after the signature.
Image Pe(size_t size) { return Image(size).Put(0x80 + 24 + 48, 4, 2).Put(0x80 + 24 + 50, 1, 2); }

TEST(ExecutableKind, EveryHeaderReadIsCheckedAndStaysInTheFile) {
  struct { const char* label; Image image; ExecutableKind kind; uint16_t major, minor; } cases[] = {  // 99: untouched
      {"no MZ", Image(256).Put(0, 0x4D5A, 2), ExeUnknown, 99, 99},
      {"new header inside the MS-DOS header", Image(256, 0x20), ExeDos, 99, 99},
      {"new header past the end", Image(256, 0x1000), ExeDos, 99, 99},
      {"new header at the 32-bit limit", Image(256, 0xFFFFFFFE), ExeDos, 99, 99},
      {"other signature", Image(256, 0x80, "LE\0\0", 4), ExeDos, 99, 99},
      {"PE with a whole optional header", Pe(0x80 + 24 + 224), ExeWin32, 4, 1},
      {"PE with a short optional header", Pe(0x80 + 24 + 223), ExeWin32, 99, 99},
  };
  for (auto& c : cases) {
    uint16_t major = 99, minor = 99;
    MemoryBytes memory = c.image.Memory();
    EXPECT_EQ(c.kind, ExecutableKindOf(memory.Reader(), &major, &minor)) << c.label;
    EXPECT_EQ(std::make_pair(c.major, c.minor), std::make_pair(major, minor)) << c.label;
  }
}

// An NE file whose non-resident name table at 0x100 starts with `name`.
Image Ne(const std::string& name, size_t size = 0x100 + 64) {
  Image image(size, 0x80, "NE", 2);
  image.Put(0x80 + 0x2C, 0x100, 4).Put(0x100, static_cast<uint32_t>(name.size()), 1);
  for (size_t i = 0; i < name.size() && 0x101 + i < size; ++i) image.bytes[0x101 + i] = name[i];
  return image;
}

TEST(NeDescription, TheFirstNonResidentNameWithinWhatWasRead) {
  struct { const char* label; Image image; std::string description; } cases[] = {  // "": not found
      {"longer than the 63 bytes read", Ne(std::string(200, 'd'), 0x100 + 300), std::string(63, 'd')},
      {"empty name", Ne(""), ""}, {"not NE", Image(0x200), ""}, {"name table cut short", Ne("x", 0x100 + 63), ""},
      {"name table past the end", Ne("x").Put(0x80 + 0x2C, 0xFFFFFFF0, 4), ""},
  };
  for (auto& c : cases) {
    MemoryBytes memory = c.image.Memory();
    char text[80];
    EXPECT_EQ(!c.description.empty(), ReadNeDescription(memory.Reader(), text, sizeof text)) << c.label;
    EXPECT_EQ(c.description, text) << c.label;
  }
}

// A PE32 (or PE32+) file: one 0x200-byte section at 0x200 mapped at 0x1000 (header at 0x178); resources at `resource`.
Image PeWithSection(size_t size, uint32_t resource, uint16_t magic = 0x10B) {
  const size_t directories = 0x98 + (magic == 0x10B ? 96 : 112);
  return Image(size).Put(0x86, 1, 2).Put(0x94, 224, 2).Put(0x98, magic, 2).Put(directories - 4, 16, 4)
      .Put(directories + 16, resource, 4).Put(0x184, 0x1000, 4).Put(0x188, 0x200, 4).Put(0x18C, 0x200, 4);
}

TEST(ExecutableKind, IconsAreAskedForOnlyWhenTheSectionsLieInTheFile) {
  struct { const char* label; Image image; bool readable; } cases[] = {
      {"whole", PeWithSection(0x400, 0x1010), true}, {"PE32+", PeWithSection(0x400, 0x1010, 0x20B), true},
      {"no resources", PeWithSection(0x400, 0), true}, {"cut inside the section", PeWithSection(0x3FF, 0x1010), false},
      {"resources in no section", PeWithSection(0x400, 0x1200), false},
      {"section table past the end", PeWithSection(0x400, 0x1010).Put(0x86, 40, 2), false},
      {"unknown optional header", PeWithSection(0x400, 0x1010, 0x107), false}, {"NE", Ne("x"), true}};
  for (auto& c : cases) {
    MemoryBytes memory = c.image.Memory();
    EXPECT_EQ(c.readable, IconsReadable(memory.Reader(), static_cast<uint32_t>(c.image.bytes.size()))) << c.label;
  }
}

TEST(VersionTexts, ValueLengthsNeverWrapRound) {
  EXPECT_EQ(0u, VersionValueLength("abc", 0)) << "a length of 0 is no length of -1";
  EXPECT_EQ(2u, VersionValueLength("abc", 3)) << "the reported length counts the terminator";
  EXPECT_EQ(1u, VersionValueLength("a\0c", 4));
}

// A 16-bit version block built node by node: block length, value length, key, padding to 4, value, padding to 4.
struct Block {
  std::vector<unsigned char> bytes;
  Block& Node(const std::string& key, const std::string& value, size_t valueLength) {
    const size_t start = bytes.size();
    bytes.insert(bytes.end(), {0, 0, uint8_t(valueLength), uint8_t(valueLength >> 8)});
    bytes.insert(bytes.end(), key.c_str(), key.c_str() + key.size() + 1);
    bytes.resize((bytes.size() + 3) & ~size_t(3));
    bytes.insert(bytes.end(), value.begin(), value.end());
    bytes.resize((bytes.size() + 3) & ~size_t(3));
    bytes[start] = static_cast<unsigned char>(bytes.size() - start);
    return *this;
  }
  Block& Text(const std::string& key, const std::string& value) { return Node(key, value + '\0', value.size() + 1); }
};

void Seen(void* seen, const char* key, const char* value, size_t length) {
  static_cast<std::vector<std::string>*>(seen)->push_back(std::string(key) + "=" + std::string(value, length));
}

TEST(SixteenBitVersionBlock, LengthsThatLieStayInsideTheBlock) {
  const struct { const char* label; Block block; size_t cut; std::vector<std::string> seen; } cases[] = {
      {"value past the end", Block().Text("Comments", "Hello").Node("Key", "abc", 4000), SIZE_MAX, {"Comments=Hello"}},
      {"key without a terminator", Block().Text("Comments", "Hi"), 4 + 5, {}},
      {"fixed information past the end", Block().Node("VS_VERSION_INFO", "", 60000).Text("A", "b"), SIZE_MAX, {}},
      {"value cut short by the end", Block().Text("Comments", "Hello"), 4 + 12 + 3, {}},
      {"four or more bytes after the text", Block().Node("Key", std::string("ab\0\0\0\0", 6), 6), SIZE_MAX, {}},
      {"text filling its length unterminated", Block().Node("Key", "abcd", 4), SIZE_MAX, {"Key=abcd"}},
      {"empty key", Block().Text("", "value"), SIZE_MAX, {}},
      {"tab, line feed and carriage return are text", Block().Text("C", "a\tb\r\nc"), SIZE_MAX, {"C=a\tb\r\nc"}},
      {"header shorter than four bytes", Block().Text("C", "x"), 3, {}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> seen;
    WalkSixteenBitVersionBlock(c.block.bytes.data(), std::min(c.cut, c.block.bytes.size()), Seen, &seen);
    EXPECT_EQ(c.seen, seen) << c.label;
  }
}

}  // namespace
