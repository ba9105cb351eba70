#include "saverdlg/versionblock.h"

#include <cctype>
#include <cstring>

#include "base/textbuf.h"

namespace {

// Flag words in the order they are shown.
const struct {
  uint32_t bit;
  const char* word;
} kFileFlags[] = {{0x01, "Debug"},   {0x08, "Private Build"}, {0x20, "Special Build"},
                  {0x02, "Pre-Release"}, {0x04, "Patched"}, {0x10, "Info Inferred"}};

size_t AlignUp4(size_t at) { return (at + 3) & ~static_cast<size_t>(3); }

// A byte that makes a value binary: control characters other than tab, line
// feed and carriage return. A zero ends the text but is allowed.
bool IsBinaryByte(unsigned char c) { return c >= 1 && c <= 31 && c != '\t' && c != '\n' && c != '\r'; }

// A heap copy of the first `length` characters of `text`; null without memory.
char* NewText(const char* text, size_t length) { return CopyText(text, length).release(); }

bool SameTextIgnoringCase(const char* a, const char* b) {
  for (; *a && *b; ++a, ++b)
    if (std::tolower(static_cast<unsigned char>(*a)) != std::tolower(static_cast<unsigned char>(*b))) return false;
  return *a == *b;
}

}  // namespace

void FreeVersionTexts(VersionEntry& entry) {
  delete[] entry.listText;
  delete[] entry.label;
  delete[] entry.value;
}

void VersionLabel(const char* key, char* out, size_t outSize) {
  if (!out || outSize == 0) return;
  TextBuilder label(out, outSize);
  for (const char* c = key ? key : ""; *c; ++c) {
    const char letter[2] = {*c, '\0'};
    label.Append(letter);
    if (*c >= 'a' && *c <= 'z' && c[1] >= 'A' && c[1] <= 'Z') label.Append(" ");
  }
}

void FileFlagsText(uint32_t flags, uint32_t mask, char* out, size_t outSize) {
  if (!out || outSize == 0) return;
  TextBuilder text(out, outSize);
  for (const auto& flag : kFileFlags)
    if (flags & mask & flag.bit) text.Append(text.Length() ? ", " : "").Append(flag.word);
  if (!text.Length()) text.Append("(none)");
}

void FileTypeText(ExecutableKind kind, uint16_t major, uint16_t minor, char* out, size_t outSize) {
  if (!out || outSize == 0) return;
  TextBuilder text(out, outSize);
  switch (kind) {
    case ExeDos: text.Append("MS-DOS"); break;
    case ExeWin16: text.Append("Win16"); break;
    case ExeWin32: text.Append("Win32\n(").AppendUnsigned(major).Append(".").AppendUnsigned(minor).Append(")"); break;
    default: text.Append("unknown"); break;
  }
}

void VersionNumberText(uint32_t mostSignificant, uint32_t leastSignificant, char* out, size_t outSize) {
  if (!out || outSize == 0) return;
  TextBuilder(out, outSize)
      .AppendUnsigned(mostSignificant >> 16)
      .Append(".")
      .AppendUnsigned(mostSignificant & 0xFFFF)
      .Append(".")
      .AppendUnsigned(leastSignificant >> 16)
      .Append(".")
      .AppendUnsigned(leastSignificant & 0xFFFF);
}

size_t VersionValueLength(const char* value, size_t reportedLength) {
  if (!value || reportedLength == 0) return 0;
  const void* end = std::memchr(value, '\0', reportedLength - 1);
  return end ? static_cast<const char*>(end) - value : reportedLength - 1;
}

bool IsSixteenBitVersionBlock(const unsigned char* block, size_t size) {
  if (!block || size < 6) return false;
  const unsigned type = block[4] | block[5] << 8;
  return type != 0 && type != 1;
}

// Each node: a 16-bit block length, a 16-bit value length L, the key text,
// then (aligned to 4) L bytes of value; nested nodes follow in file order, so
// one pass over the headers sees every string of every string table.
void WalkSixteenBitVersionBlock(const unsigned char* block, size_t size, VersionValueFound found, void* context) {
  if (!block) return;
  size_t p = 0;
  while (p < size && size - p >= 4) {
    const size_t valueLength = block[p + 2] | block[p + 3] << 8;
    const char* key = reinterpret_cast<const char*>(block + p + 4);
    const void* keyEnd = std::memchr(key, '\0', size - p - 4);
    if (!keyEnd) return;  // a key running off the block ends the walk
    p = static_cast<const unsigned char*>(keyEnd) - block + 1;
    if (std::strcmp(key, "VS_VERSION_INFO") == 0) {
      p += valueLength;
    } else if (valueLength != 0) {
      p = AlignUp4(p);
      const size_t start = p;
      bool text = true;
      for (size_t i = 0; i < valueLength; ++i, ++p) {
        if (p >= size || IsBinaryByte(block[p])) {
          text = false;
          ++p;
          break;
        }
      }
      if (text && *key) {
        const void* valueEnd = std::memchr(block + start, '\0', valueLength);
        const size_t textLength = valueEnd ? static_cast<const unsigned char*>(valueEnd) - (block + start) : valueLength;
        if (valueLength - textLength < 4 && found)
          found(context, key, reinterpret_cast<const char*>(block + start), textLength);
      }
    }
    p = AlignUp4(p);
  }
}

bool VersionInfo::Add(const char* key, const char* value, size_t length) {
  char label[128], listText[160];
  VersionLabel(key, label, sizeof label);
  TextBuilder(listText, sizeof listText).Append(label).Append("\t").AppendNumber(nextSequence);
  VersionEntry* entry = entries.AddFront();
  if (!entry) return false;
  *entry = {NewText(listText, std::strlen(listText)), NewText(label, std::strlen(label)),
            NewText(value ? value : "", value ? length : 0)};
  if (!entry->listText || !entry->label || !entry->value) {
    entries.DropFront();
    return false;
  }
  ++nextSequence;
  return true;
}

void VersionInfo::Clear() {
  entries.Clear();
  fileVersion[0] = productVersion[0] = lastChanged[0] = fileFlags[0] = '\0';
}

const char* VersionInfo::FindEntryValue(const char* listText) const {
  if (!listText) return nullptr;
  for (const VersionEntry& entry : entries)
    if (SameTextIgnoringCase(entry.listText, listText)) return entry.value;
  return nullptr;
}

bool VersionInfo::HasEntry(const char* key, const char* value) const {
  char label[128];
  VersionLabel(key, label, sizeof label);
  for (const VersionEntry& entry : entries)
    if (std::strcmp(entry.label, label) == 0 && std::strcmp(entry.value, value ? value : "") == 0) return true;
  return false;
}
