#include "saverdlg/exeheader.h"

#include <cstring>

#include "base/textbuf.h"

namespace {

constexpr size_t kDosHeaderSize = 64;
constexpr uint32_t kNewHeaderField = 0x3C;
constexpr uint32_t kRelocationField = 0x18;
constexpr size_t kNeHeaderSize = 48;
constexpr uint32_t kNonResidentField = 0x2C;
constexpr size_t kNameTableRead = 64;
constexpr size_t kPeFileHeaderSize = 20;
constexpr size_t kPeOptionalHeaderSize = 224;
constexpr size_t kSubsystemVersionField = 48;
constexpr uint32_t kSectionCountField = 2;
constexpr uint32_t kOptionalSizeField = 16;
constexpr uint16_t kPe32Magic = 0x10B;
constexpr uint16_t kPe32PlusMagic = 0x20B;
constexpr size_t kDirectoryCountPe32 = 92;  // in the optional header; the directories follow
constexpr size_t kDirectoryCountPe32Plus = 108;
constexpr size_t kResourceDirectory = 2;  // index among the data directories, 8 bytes each
constexpr uint32_t kSectionHeaderSize = 40;
constexpr size_t kSectionAddressField = 12;
constexpr size_t kSectionRawSizeField = 16;
constexpr size_t kSectionRawOffsetField = 20;

uint16_t Word(const unsigned char* at) { return static_cast<uint16_t>(at[0] | at[1] << 8); }
uint32_t Dword(const unsigned char* at) { return Word(at) | static_cast<uint32_t>(Word(at + 2)) << 16; }

// The offset `base` + `add`, unless that wraps past the 32-bit range.
bool Offset(uint32_t base, uint32_t add, uint32_t* out) {
  if (base > UINT32_MAX - add) return false;
  *out = base + add;
  return true;
}

bool ReadAt(const ByteReader& file, uint32_t offset, void* out, size_t size) {
  return file.read && file.read(file.context, offset, out, size);
}

bool ReadFromMemory(void* context, uint32_t offset, void* out, size_t size) {
  const MemoryBytes* bytes = static_cast<const MemoryBytes*>(context);
  if (offset > bytes->size || size > bytes->size - offset) return false;
  std::memcpy(out, bytes->data + offset, size);
  return true;
}

}  // namespace

ByteReader MemoryBytes::Reader() { return ByteReader{ReadFromMemory, this}; }

ExecutableKind ExecutableKindOf(const ByteReader& file, uint16_t* subsystemMajor, uint16_t* subsystemMinor) {
  unsigned char dos[kDosHeaderSize];
  if (!ReadAt(file, 0, dos, sizeof dos) || Word(dos) != 0x5A4D) return ExeUnknown;
  const uint32_t newHeader = Dword(dos + kNewHeaderField);
  unsigned char signature[4];
  if (newHeader < kDosHeaderSize || !ReadAt(file, newHeader, signature, sizeof signature)) return ExeDos;
  if (signature[0] == 'N' && signature[1] == 'E') return ExeWin16;
  if (std::memcmp(signature, "PE\0\0", 4) != 0) return ExeDos;
  unsigned char fileHeader[kPeFileHeaderSize];
  unsigned char optional[kPeOptionalHeaderSize];
  uint32_t fileHeaderAt, optionalAt;
  if (Offset(newHeader, 4, &fileHeaderAt) && Offset(fileHeaderAt, kPeFileHeaderSize, &optionalAt) &&
      ReadAt(file, fileHeaderAt, fileHeader, sizeof fileHeader) && ReadAt(file, optionalAt, optional, sizeof optional)) {
    if (subsystemMajor) *subsystemMajor = Word(optional + kSubsystemVersionField);
    if (subsystemMinor) *subsystemMinor = Word(optional + kSubsystemVersionField + 2);
  }
  return ExeWin32;
}

bool IconsReadable(const ByteReader& file, uint32_t fileSize) {
  unsigned char dos[kDosHeaderSize] = {};
  unsigned char signature[4] = {};
  const uint32_t newHeader = ReadAt(file, 0, dos, sizeof dos) ? Dword(dos + kNewHeaderField) : 0;
  if (Word(dos) != 0x5A4D || newHeader < kDosHeaderSize || !ReadAt(file, newHeader, signature, sizeof signature) ||
      std::memcmp(signature, "PE\0\0", 4) != 0)
    return true;
  unsigned char fileHeader[kPeFileHeaderSize];
  unsigned char optional[kPeOptionalHeaderSize + 16] = {};  // room for a PE32+ header's directories
  uint32_t fileHeaderAt, optionalAt, sectionsAt;
  if (!Offset(newHeader, 4, &fileHeaderAt) || !Offset(fileHeaderAt, kPeFileHeaderSize, &optionalAt) ||
      !ReadAt(file, fileHeaderAt, fileHeader, sizeof fileHeader))
    return false;
  const uint16_t optionalSize = Word(fileHeader + kOptionalSizeField);
  const size_t read = optionalSize < sizeof optional ? optionalSize : sizeof optional;
  if (!Offset(optionalAt, optionalSize, &sectionsAt) || !ReadAt(file, optionalAt, optional, read)) return false;
  const uint16_t magic = Word(optional);
  if (magic != kPe32Magic && magic != kPe32PlusMagic) return false;
  const size_t countAt = magic == kPe32Magic ? kDirectoryCountPe32 : kDirectoryCountPe32Plus;
  const size_t resourceAt = countAt + 4 + 8 * kResourceDirectory;
  if (resourceAt + 8 > read) return Dword(optional + countAt) <= kResourceDirectory;
  const uint32_t resource = Dword(optional + countAt) > kResourceDirectory ? Dword(optional + resourceAt) : 0;
  bool resourceFound = resource == 0;
  for (uint32_t i = 0, count = Word(fileHeader + kSectionCountField); i < count; ++i) {
    unsigned char section[kSectionHeaderSize];
    uint32_t at, end;
    if (!Offset(sectionsAt, i * kSectionHeaderSize, &at) || !ReadAt(file, at, section, sizeof section) ||
        !Offset(Dword(section + kSectionRawOffsetField), Dword(section + kSectionRawSizeField), &end) || end > fileSize)
      return false;
    const uint32_t address = Dword(section + kSectionAddressField);
    if (resource >= address && resource - address < Dword(section + kSectionRawSizeField)) resourceFound = true;
  }
  return resourceFound;
}

bool ReadNeDescription(const ByteReader& file, char* out, size_t outSize) {
  if (!out || outSize == 0) return false;
  *out = '\0';
  unsigned char dos[kDosHeaderSize];
  if (!ReadAt(file, 0, dos, sizeof dos) || Word(dos + kRelocationField) != 0x40) return false;
  unsigned char ne[kNeHeaderSize];
  if (!ReadAt(file, Dword(dos + kNewHeaderField), ne, sizeof ne) || ne[0] != 'N' || ne[1] != 'E') return false;
  unsigned char names[kNameTableRead];
  if (!ReadAt(file, Dword(ne + kNonResidentField), names, sizeof names) || names[0] == 0) return false;
  size_t length = names[0];
  if (length > sizeof names - 1) length = sizeof names - 1;
  if (length > outSize - 1) length = outSize - 1;
  std::memcpy(out, names + 1, length);
  out[length] = '\0';
  return true;
}

void Saver16DisplayName(const char* description, char* out, size_t outSize) {
  if (!out || outSize == 0) return;
  if (!description) description = "";
  const char* name = description;
  if (const char* marker = StrFindString(description, "SCRNSAVE")) {
    const char* rest = marker + std::strlen("SCRNSAVE");
    while (*rest == ' ' || *rest == ':') ++rest;
    if (*rest) name = rest;
  }
  const char kSuffix[] = " (16-bit)";
  size_t length = std::strlen(name);
  if (length > outSize - 1) length = outSize - 1;
  std::memcpy(out, name, length);
  size_t suffix = sizeof kSuffix - 1;
  if (suffix > outSize - 1 - length) suffix = outSize - 1 - length;
  std::memcpy(out + length, kSuffix, suffix);
  out[length + suffix] = '\0';
}

SaverKind Saver32KindOf(ExecutableKind kind, uint16_t subsystemMajor) {
  return kind == ExeWin32 && subsystemMajor >= 4 ? Saver32Preview : Saver32;
}

void Saver32DisplayName(const char* longName, const char* resourceName, bool windows95, char* out, size_t outSize) {
  if (!out || outSize == 0) return;
  if (!longName) longName = "";
  TextBuilder name(out, outSize);
  if (windows95) {
    const char* dot = std::strrchr(longName, '.');
    name.Append(longName, dot ? static_cast<size_t>(dot - longName) : std::strlen(longName));
  } else if (resourceName && *resourceName) {
    name.Append(resourceName);
  } else {
    name.Append(longName).Append(" (32-bit)");
  }
}

const char* StrFindString(const char* text, const char* pattern) {
  if (!text || !pattern) return nullptr;
  return std::strstr(text, pattern);
}
