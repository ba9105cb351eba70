// The saver files' bytes and the saver dialogs' decisions: the edges the Windows-layer tests do not reach.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "saverdlg/exeheader.h"
#include "saverdlg/propslogic.h"
#include "saverdlg/versionblock.h"

namespace {

// A file image: an MS-DOS header pointing at a new header at `newHeader`,
// whose first bytes are `signature`; `size` bytes in all.
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

// A PE file's optional header starts 24 bytes after its signature; the
// subsystem version is at 48 and 50 in it.
Image Pe(size_t size, uint16_t major, uint16_t minor) {
  return Image(size).Put(0x80 + 24 + 48, major, 2).Put(0x80 + 24 + 50, minor, 2);
}

TEST(ExecutableKind, EveryHeaderReadIsCheckedAndStaysInTheFile) {
  struct { const char* label; Image image; ExecutableKind kind; uint16_t major, minor; } cases[] = {  // 99: untouched
      {"no MZ", Image(256).Put(0, 0x4D5A, 2), ExeUnknown, 99, 99},
      {"new header inside the MS-DOS header", Image(256, 0x20), ExeDos, 99, 99},
      {"new header past the end", Image(256, 0x1000), ExeDos, 99, 99},
      {"new header at the 32-bit limit", Image(256, 0xFFFFFFFE), ExeDos, 99, 99},
      {"other signature", Image(256, 0x80, "LE\0\0", 4), ExeDos, 99, 99},
      {"PE with a whole optional header", Pe(0x80 + 24 + 224, 4, 1), ExeWin32, 4, 1},
      {"PE with a short optional header", Pe(0x80 + 24 + 223, 4, 1), ExeWin32, 99, 99},
  };
  for (auto& c : cases) {
    uint16_t major = 99, minor = 99;
    MemoryBytes memory = c.image.Memory();
    EXPECT_EQ(c.kind, ExecutableKindOf(memory.Reader(), &major, &minor)) << c.label;
    EXPECT_EQ(std::make_pair(c.major, c.minor), std::make_pair(major, minor)) << c.label;
    EXPECT_EQ(c.kind, ExecutableKindOf(memory.Reader(), nullptr, nullptr)) << c.label << ": the version is optional";
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
  struct { const char* label; Image image; bool found; std::string description; } cases[] = {
      {"longer than the 63 bytes read", Ne(std::string(200, 'd'), 0x100 + 300), true, std::string(63, 'd')},
      {"empty name", Ne(""), false, ""},
      {"not NE", Image(0x200), false, ""},
      {"name table cut short", Ne("x", 0x100 + 63), false, ""},
      {"name table past the end", Ne("x").Put(0x80 + 0x2C, 0xFFFFFFF0, 4), false, ""},
  };
  for (auto& c : cases) {
    MemoryBytes memory = c.image.Memory();
    char text[80];
    EXPECT_EQ(c.found, ReadNeDescription(memory.Reader(), text, sizeof text)) << c.label;
    EXPECT_EQ(c.description, text) << c.label;
  }
}

// A PE32 (or PE32+) file with one section of 0x200 bytes at 0x200, mapped at
// 0x1000, and its resource directory at `resource`.
Image PeWithSection(size_t size, uint32_t resource, uint16_t magic = 0x10B) {
  const size_t directories = 0x98 + (magic == 0x10B ? 96 : 112);
  return Image(size).Put(0x86, 1, 2).Put(0x94, 224, 2).Put(0x98, magic, 2).Put(directories - 4, 16, 4)
      .Put(directories + 16, resource, 4).Put(0x178 + 12, 0x1000, 4).Put(0x178 + 16, 0x200, 4).Put(0x178 + 20, 0x200, 4);
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

TEST(SaverTexts, NamesAndLabelsCutToTheRoomGivenFlagsMaskedAndValueLengths) {
  struct { const char* description; size_t room; const char* name; } const names16[] = {
      {"Old SCRNSAVE:Stars", 80, "Stars (16-bit)"}, {"scrnsave : Marquee", 80, "scrnsave : Marquee (16-bit)"},
      {"", 80, " (16-bit)"}, {"Mystify", 12, "Mystify (16"}, {"A much longer title", 6, "A muc"}, {"Stars", 1, ""}};
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
  VersionLabel("CompanyName", out, 6);
  EXPECT_STREQ("Compa", out) << "cut, never past the buffer";
  FileFlagsText(0x03, 0x00, out, sizeof out);
  EXPECT_STREQ("(none)", out) << "the mask";
  FileFlagsText(0xC0, 0xFF, out, sizeof out);
  EXPECT_STREQ("(none)", out) << "bits without a word";
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
    bytes.insert(bytes.end(), {0, 0, static_cast<unsigned char>(valueLength & 0xFF),
                               static_cast<unsigned char>(valueLength >> 8)});
    bytes.insert(bytes.end(), key.c_str(), key.c_str() + key.size() + 1);
    Pad();
    bytes.insert(bytes.end(), value.begin(), value.end());
    Pad();
    bytes[start] = static_cast<unsigned char>(bytes.size() - start);
    return *this;
  }
  Block& Text(const std::string& key, const std::string& value) { return Node(key, value + '\0', value.size() + 1); }
  void Pad() { bytes.resize((bytes.size() + 3) & ~size_t(3)); }
};

TEST(SixteenBitVersionBlock, LengthsThatLieStayInsideTheBlockAndTheRecordKeepsEveryValue) {
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
    WalkSixteenBitVersionBlock(c.block.bytes.data(), std::min(c.cut, c.block.bytes.size()),
                               [](void* context, const char* key, const char* value, size_t length) {
                                 static_cast<std::vector<std::string>*>(context)->push_back(
                                     std::string(key) + "=" + std::string(value, length));
                               },
                               &seen);
    EXPECT_EQ(c.seen, seen) << c.label;
  }
  // A 16-bit block has its key where a 32-bit one has its type (0 or 1).
  const unsigned char header[] = {0x5C, 0x03, 0x34, 0x00, 'V', 'S'}, thirtyTwoBit[] = {0x5C, 0x03, 0x34, 0, 0, 0};
  EXPECT_TRUE(IsSixteenBitVersionBlock(header, 6));
  EXPECT_FALSE(IsSixteenBitVersionBlock(header, 5));
  EXPECT_FALSE(IsSixteenBitVersionBlock(thirtyTwoBit, 6));
  VersionInfo info;
  ASSERT_TRUE(info.Add("CompanyName", "QRT Inc.xyz", 8) && info.Add("CompanyName", "", 0));
  EXPECT_STREQ("QRT Inc.", info.FindEntryValue("Company Name\t0"));
  EXPECT_STREQ("", info.FindEntryValue("Company Name\t1"));
  EXPECT_FALSE(info.HasEntry("CompanyName", "QRT")) << "a whole value, not its beginning";
}

TEST(PropsDecisions, NoSaverAndTheLargestDelays) {
  const PasswordControls none = PasswordControlsFor(false, Saver32, false, true);
  EXPECT_FALSE(none.sixteenBitNote || none.passwordProtected || none.disableDuringPreview || none.changePassword);
  const struct { uint32_t number; bool inSeconds, fits; uint32_t seconds; } cases[] = {
      {4294967295u, true, true, 4294967295u}, {71582788, false, true, 4294967280u}, {71582789, false, false, 7}};
  for (const auto& c : cases) {
    uint32_t seconds = 7;
    EXPECT_EQ(c.fits, DelayToSeconds(c.number, c.inSeconds, &seconds)) << c.number;
    EXPECT_EQ(c.seconds, seconds) << c.number;
  }
  const Rect32 work = {0, 0, 1000, 700};  // the mini preview: beside the dialog on the roomier side
  EXPECT_EQ(610, MiniPreviewOrigin({300, 100, 610, 400}, work, 250).x);
  EXPECT_EQ(350, MiniPreviewOrigin({600, 40, 910, 400}, work, 250).x);
  EXPECT_EQ(195, MiniPreviewOrigin({445, 0, 555, 9}, work, 250).x) << "equal room: to the left";
}

// A sorted list of (text, data) that finds by prefix as a combo box does.
struct FakeList {
  std::vector<std::pair<std::string, int32_t>> items;
  int searches = 0;
  static int Select(void* self, int after, const char* text) {
    FakeList& list = *static_cast<FakeList*>(self);
    ++list.searches;
    const int count = static_cast<int>(list.items.size());
    for (int step = 1; step <= count; ++step) {
      const int index = (after + step + count) % count;
      if (list.items[index].first.compare(0, std::strlen(text), text) == 0) return index;
    }
    return -1;
  }
  static int32_t Data(void* self, int index) { return static_cast<FakeList*>(self)->items[index].second; }
  int Find(const char* name, int32_t seq) { return SelectBySequence(PrefixList{Select, Data, this}, name, seq); }
};

TEST(SelectBySequence, PassesOverNamesThatBeginAlikeAndStopsWhenItWraps) {
  FakeList list{{{"Star", 3}, {"Star", 5}, {"Star Trek", 7}, {"Starfield", 1}, {"Zoo", 2}}};
  EXPECT_EQ(3, list.Find("Starfield", 1));
  list.searches = 0;
  EXPECT_EQ(0, list.Find("Star", 9)) << "wrapped round to the first";
  EXPECT_EQ(5, list.searches);
  EXPECT_EQ(-1, list.Find("Moon", 1));
  FakeList one{{{"Star", 3}, {"Zoo", 2}}};
  EXPECT_EQ(0, one.Find("Star", 9)) << "a search finding the same item again stops";
}

}  // namespace
