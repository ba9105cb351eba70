// The saver files' bytes: executable headers, names, 16-bit version blocks
// and the texts of the information dialog.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "saverdlg/exeheader.h"
#include "saverdlg/versionblock.h"

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



// What the Windows layer's dialog tests cannot reach: cut labels, the mask,
// every flag word in its order, bits without a word.
TEST(VersionTexts, EdgesOfLabelsAndFlags) {
  char out[128];
  VersionLabel("aBcD", out, sizeof out);
  EXPECT_STREQ("a Bc D", out);
  VersionLabel("CompanyName", out, 6);
  EXPECT_STREQ("Compa", out) << "cut, never past the buffer";
  const struct { uint32_t flags, mask; const char* text; } flags[] = {
      {0x3F, 0x3F, "Debug, Private Build, Special Build, Pre-Release, Patched, Info Inferred"},
      {0x03, 0x00, "(none)"}, {0xC0, 0xFF, "(none)"}};
  for (const auto& c : flags) {
    FileFlagsText(c.flags, c.mask, out, sizeof out);
    EXPECT_STREQ(c.text, out) << std::hex << c.flags << "/" << c.mask;
  }
  VersionNumberText(0xFFFF0000, 1, out, sizeof out);
  EXPECT_STREQ("65535.0.0.1", out);
  EXPECT_EQ(0u, VersionValueLength("abc", 0)) << "a length of 0 is no length of -1";
  EXPECT_EQ(2u, VersionValueLength("abc", 3)) << "the reported length counts the terminator";
  EXPECT_EQ(1u, VersionValueLength("a\0c", 4));
}

// A 16-bit version block built node by node: block length, value length,
// key, padding to 4, value, padding to 4.
struct Block {
  std::vector<unsigned char> bytes;
  Block& Node(const std::string& key, const std::string& value, size_t valueLength) {
    const size_t start = bytes.size();
    bytes.resize(start + 4);
    bytes[start + 2] = static_cast<unsigned char>(valueLength);
    bytes[start + 3] = static_cast<unsigned char>(valueLength >> 8);
    bytes.insert(bytes.end(), key.begin(), key.end());
    bytes.push_back(0);
    Pad();
    bytes.insert(bytes.end(), value.begin(), value.end());
    Pad();
    bytes[start] = static_cast<unsigned char>(bytes.size() - start);
    return *this;
  }
  Block& Text(const std::string& key, const std::string& value) { return Node(key, value + '\0', value.size() + 1); }
  void Pad() { bytes.resize((bytes.size() + 3) & ~size_t(3)); }
  std::vector<std::string> Walk(size_t size = SIZE_MAX) const {
    std::vector<std::string> seen;
    WalkSixteenBitVersionBlock(bytes.data(), size < bytes.size() ? size : bytes.size(),
                               [](void* context, const char* key, const char* value, size_t length) {
                                 static_cast<std::vector<std::string>*>(context)->push_back(
                                     std::string(key) + "=" + std::string(value, length));
                               },
                               &seen);
    return seen;
  }
};

TEST(SixteenBitVersionBlock, LengthsThatLieStayInsideTheBlock) {
  const struct { const char* label; Block block; size_t cut; std::vector<std::string> seen; } cases[] = {
      {"value longer than the block", Block().Text("Comments", "Hello").Node("Key", "abc", 4000), SIZE_MAX,
       {"Comments=Hello"}},
      {"key without a terminator", Block().Text("Comments", "Hi"), 4 + 5, {}},
      {"fixed information longer than the block", Block().Node("VS_VERSION_INFO", "", 60000).Text("A", "b"), SIZE_MAX,
       {}},
      {"value cut short by the end", Block().Text("Comments", "Hello"), 4 + 12 + 3, {}},
      {"text with four or more bytes after its end", Block().Node("Key", std::string("ab\0\0\0\0", 6), 6), SIZE_MAX,
       {}},
      {"text filling its length without a terminator", Block().Node("Key", "abcd", 4), SIZE_MAX, {"Key=abcd"}},
      {"empty key", Block().Text("", "value"), SIZE_MAX, {}},
      {"tab, line feed and carriage return are text", Block().Text("C", "a\tb\r\nc"), SIZE_MAX, {"C=a\tb\r\nc"}},
      {"header shorter than four bytes", Block().Text("C", "x"), 3, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(c.seen, c.block.Walk(c.cut)) << c.label;
  const unsigned char thirtyTwoBit[] = {0x5C, 0x03, 0x34, 0x00, 0x00, 0x00, 'V', 0};
  EXPECT_FALSE(IsSixteenBitVersionBlock(thirtyTwoBit, sizeof thirtyTwoBit));
  EXPECT_FALSE(IsSixteenBitVersionBlock(thirtyTwoBit, 5));
}

TEST(VersionInfoRecord, ListTextsStayUniqueAndLookUpsIgnoreCase) {
  VersionInfo info;
  ASSERT_TRUE(info.Add("CompanyName", "QRT Inc.xyz", 8) && info.Add("CompanyName", "", 0));
  EXPECT_STREQ("QRT Inc.", info.FindEntryValue("company name\t0"));
  EXPECT_STREQ("", info.FindEntryValue("COMPANY NAME\t1"));
  EXPECT_EQ(nullptr, info.FindEntryValue("Company Name"));
  EXPECT_FALSE(info.HasEntry("CompanyName", "QRT"));
  info.Clear();
  ASSERT_TRUE(info.Add("Comments", "x", 1));
  EXPECT_STREQ("Comments\t2", info.first->listText) << "numbers count on after a clear";
}

}  // namespace
