#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "saverdlg/exeheader.h"

namespace {

// A file image: an MS-DOS header pointing at a new header at `newHeader`,
// whose first bytes are `signature`; `size` bytes in all.
struct Image {
  std::vector<unsigned char> bytes;
  explicit Image(size_t size, uint32_t newHeader = 0x80, const char* signature = "PE\0\0", size_t signatureSize = 4)
      : bytes(size) {
    Put(0, 0x5A4D, 2);
    Put(0x18, 0x40, 2);
    Put(0x3C, newHeader, 4);
    for (size_t i = 0; i < signatureSize && newHeader + i < size; ++i) bytes[newHeader + i] = signature[i];
  }
  Image& Put(size_t at, uint32_t value, size_t width) {
    for (size_t i = 0; i < width && at + i < bytes.size(); ++i) bytes[at + i] = static_cast<unsigned char>(value >> 8 * i);
    return *this;
  }
  ExecutableKind Kind(uint16_t* major, uint16_t* minor) {
    MemoryBytes memory{bytes.data(), bytes.size()};
    return ExecutableKindOf(memory.Reader(), major, minor);
  }
  bool Description(std::string* out) {
    MemoryBytes memory{bytes.data(), bytes.size()};
    char text[80];
    const bool ok = ReadNeDescription(memory.Reader(), text, sizeof text);
    *out = text;
    return ok;
  }
};

// A PE file's optional header starts 24 bytes after its signature; the
// subsystem version is at 48 and 50 in it.
Image Pe(size_t size, uint16_t major, uint16_t minor) {
  return Image(size).Put(0x80 + 24 + 48, major, 2).Put(0x80 + 24 + 50, minor, 2);
}

TEST(ExecutableKind, EveryHeaderReadIsCheckedAndStaysInTheFile) {
  struct { const char* label; Image image; ExecutableKind kind; uint16_t major, minor; } cases[] = {  // 99: untouched
      {"empty", Image(0), ExeUnknown, 99, 99},
      {"no MZ", Image(256).Put(0, 0x4D5A, 2), ExeUnknown, 99, 99},
      {"new header inside the MS-DOS header", Image(256, 0x20), ExeDos, 99, 99},
      {"new header past the end", Image(256, 0x1000), ExeDos, 99, 99},
      {"new header at the 32-bit limit", Image(256, 0xFFFFFFFE), ExeDos, 99, 99},
      {"NE", Image(256, 0x80, "NE", 2), ExeWin16, 99, 99},
      {"other signature", Image(256, 0x80, "LE\0\0", 4), ExeDos, 99, 99},
      {"PE for 4.0", Pe(0x80 + 24 + 224, 4, 0), ExeWin32, 4, 0},
      {"PE with a short optional header", Pe(0x80 + 24 + 223, 4, 0), ExeWin32, 99, 99},
  };
  for (auto& c : cases) {
    uint16_t major = 99, minor = 99;
    EXPECT_EQ(c.kind, c.image.Kind(&major, &minor)) << c.label;
    EXPECT_EQ(c.major, major) << c.label;
    EXPECT_EQ(c.minor, minor) << c.label;
  }
  EXPECT_EQ(ExeWin32, Pe(0x200, 4, 0).Kind(nullptr, nullptr)) << "the version is optional";
}

// An NE file whose non-resident name table at 0x100 starts with `name`.
Image Ne(const std::string& name, size_t size = 0x100 + 64) {
  Image image(size, 0x80, "NE", 2);
  image.Put(0x80 + 0x2C, 0x100, 4).Put(0x100, static_cast<uint32_t>(name.size()), 1);
  for (size_t i = 0; i < name.size() && 0x101 + i < size; ++i) image.bytes[0x101 + i] = name[i];
  return image;
}

TEST(NeDescription, TheFirstNonResidentNameWithinWhatWasRead) {
  struct { const char* label; Image image; bool found; std::string description; } cases[] = {
      {"longer than the 63 bytes read", Ne(std::string(200, 'd'), 0x100 + 300), true, std::string(63, 'd')},
      {"empty name", Ne(""), false, ""},
      {"not NE", Image(0x200), false, ""},
      {"name table cut short", Ne("x", 0x100 + 63), false, ""},
      {"name table past the end", Ne("x").Put(0x80 + 0x2C, 0xFFFFFFF0, 4), false, ""},
  };
  for (auto& c : cases) {
    std::string description;
    EXPECT_EQ(c.found, c.image.Description(&description)) << c.label;
    EXPECT_EQ(c.description, description) << c.label;
  }
}

// The names the Windows layer's tests cannot reach: odd descriptions and
// names cut to the room given.
TEST(SaverDisplayNames, EdgesOfTheNamingRules) {
  struct { const char* description; size_t room; const char* name; } const names16[] = {
      {"SCRNSAVE :: ", 80, "SCRNSAVE ::  (16-bit)"}, {"Old SCRNSAVE:Stars", 80, "Stars (16-bit)"},
      {"scrnsave : Marquee", 80, "scrnsave : Marquee (16-bit)"}, {"", 80, " (16-bit)"},
      {"Mystify", 12, "Mystify (16"}, {"A much longer title", 6, "A muc"}, {"Stars", 1, ""}};
  for (const auto& c : names16) {
    char out[80] = "x";
    Saver16DisplayName(c.description, out, c.room);
    EXPECT_STREQ(c.name, out) << "[" << c.description << "] in " << c.room;
  }
  char out[8];
  Saver32DisplayName("Flying Things.v2.scr", "Flying", true, out, sizeof out);
  EXPECT_STREQ("Flying ", out) << "up to the last dot, cut";
  Saver32DisplayName("noext", nullptr, true, out, sizeof out);
  EXPECT_STREQ("noext", out);
  Saver32DisplayName("stars.scr", "", false, out, sizeof out);
  EXPECT_STREQ("stars.s", out);
  EXPECT_EQ(Saver32, Saver32KindOf(ExeWin16, 4));
  const char* text = "a SCRNSAVE b";
  EXPECT_EQ(nullptr, StrFindString(text, "scrnsave"));
  EXPECT_EQ(text, StrFindString(text, ""));
}

}  // namespace
