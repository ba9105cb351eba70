#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "saverdlg/versionblock.h"

namespace {

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
  ASSERT_TRUE(info.Add("CompanyName", "QRT Inc.xyz", 8));
  ASSERT_TRUE(info.Add("CompanyName", "", 0));
  EXPECT_STREQ("Company Name\t1", info.first->listText);
  EXPECT_STREQ("QRT Inc.", info.FindEntryValue("company name\t0"));
  EXPECT_STREQ("", info.FindEntryValue("COMPANY NAME\t1"));
  EXPECT_EQ(nullptr, info.FindEntryValue("Company Name"));
  EXPECT_FALSE(info.HasEntry("CompanyName", "QRT"));
  std::strcpy(info.fileVersion, "1.2.3.4");
  info.Clear();
  EXPECT_EQ(nullptr, info.first);
  EXPECT_STREQ("", info.fileVersion);
  ASSERT_TRUE(info.Add("Comments", "x", 1));
  EXPECT_STREQ("Comments\t2", info.first->listText) << "numbers count on after a clear";
}

}  // namespace
