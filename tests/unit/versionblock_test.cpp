#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "saverdlg/versionblock.h"

namespace {

std::string Text(void (*compose)(uint32_t, uint32_t, char*, size_t), uint32_t a, uint32_t b, size_t room = 128) {
  char out[128];
  compose(a, b, out, room);
  return out;
}

TEST(VersionTexts, LabelsFlagsTypesAndNumbers) {
  const struct { const char* key; const char* label; } labels[] = {
      {"CompanyName", "Company Name"}, {"OriginalFilename", "Original Filename"}, {"Comments", "Comments"},
      {"aBcD", "a Bc D"}, {"ABC", "ABC"}, {"", ""}};
  for (const auto& c : labels) {
    char out[64];
    VersionLabel(c.key, out, sizeof out);
    EXPECT_STREQ(c.label, out) << c.key;
  }
  char small[6];
  VersionLabel("CompanyName", small, sizeof small);
  EXPECT_STREQ("Compa", small) << "cut, never past the buffer";

  EXPECT_EQ("Debug, Pre-Release", Text(FileFlagsText, 0x03, 0x3F));
  EXPECT_EQ("Debug, Private Build, Special Build, Pre-Release, Patched, Info Inferred", Text(FileFlagsText, 0x3F, 0x3F));
  EXPECT_EQ("(none)", Text(FileFlagsText, 0x03, 0x00)) << "a flag counts only where the mask has it";
  EXPECT_EQ("(none)", Text(FileFlagsText, 0xC0, 0xFF)) << "bits without a word";
  EXPECT_EQ("4.10.1998.3", Text(VersionNumberText, 0x0004000A, 0x07CE0003));
  EXPECT_EQ("65535.0.0.1", Text(VersionNumberText, 0xFFFF0000, 0x00000001));

  const struct { ExecutableKind kind; const char* text; } types[] = {
      {ExeDos, "MS-DOS"}, {ExeWin16, "Win16"}, {ExeWin32, "Win32\n(4.0)"}, {ExeUnknown, "unknown"}};
  for (const auto& c : types) {
    char out[32];
    FileTypeText(c.kind, 4, 0, out, sizeof out);
    EXPECT_STREQ(c.text, out) << c.kind;
  }
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

Block Sample() {
  return Block()
      .Node("VS_VERSION_INFO", std::string(52, '\x01'), 52)
      .Node("StringFileInfo", "", 0)
      .Node("040904E4", "", 0)
      .Text("CompanyName", "QRT")
      .Text("FileDescription", "Stars")
      .Node("040704E4", "", 0)
      .Text("CompanyName", "QRT")
      .Node("VarFileInfo", "", 0)
      .Node("Translation", std::string("\x09\x04\xE4\x04", 4), 4);
}

TEST(SixteenBitVersionBlock, EveryTextValueOfEveryTableInFileOrder) {
  const Block block = Sample();
  EXPECT_TRUE(IsSixteenBitVersionBlock(block.bytes.data(), block.bytes.size()));
  EXPECT_EQ((std::vector<std::string>{"CompanyName=QRT", "FileDescription=Stars", "CompanyName=QRT"}), block.Walk())
      << "the fixed information and the binary translation are no text; the caller drops the repeated value";
}

TEST(SixteenBitVersionBlock, LengthsThatLieStayInsideTheBlock) {
  const struct {
    const char* label;
    Block block;
    size_t cut;  // the block as read: only this many bytes
    std::vector<std::string> seen;
  } cases[] = {
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

}  // namespace

TEST(VersionInfoRecord, ListTextsStayUniqueAndLookUpsIgnoreCase) {
  VersionInfo info;
  ASSERT_TRUE(info.Add("CompanyName", "QRT Inc.xyz", 8));
  ASSERT_TRUE(info.Add("CompanyName", "", 0));
  EXPECT_STREQ("Company Name\t1", info.first->listText);
  EXPECT_STREQ("QRT Inc.", info.FindEntryValue("company name\t0"));
  EXPECT_STREQ("", info.FindEntryValue("COMPANY NAME\t1"));
  EXPECT_EQ(nullptr, info.FindEntryValue("Company Name"));
  EXPECT_TRUE(info.HasEntry("CompanyName", "QRT Inc."));
  EXPECT_FALSE(info.HasEntry("CompanyName", "QRT"));
  EXPECT_FALSE(info.HasEntry("ProductName", "QRT Inc."));
  std::strcpy(info.fileVersion, "1.2.3.4");
  info.Clear();
  EXPECT_EQ(nullptr, info.first);
  EXPECT_STREQ("", info.fileVersion);
  ASSERT_TRUE(info.Add("Comments", "x", 1));
  EXPECT_STREQ("Comments\t2", info.first->listText) << "numbers count on after a clear";
}
