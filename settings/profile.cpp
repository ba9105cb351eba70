#include "settings/profile.h"

#include <algorithm>
#include <cstring>

#include "base/textbuf.h"

const char kIniFileName[] = "napkey.ini";
const char kMainSectionName[] = "Drowsel";

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// What the private profile functions trim from names and values; other control characters stay.
void Trim(const char** begin, const char** end) {
  const auto blank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1a'; };
  while (*begin < *end && blank(**begin)) ++*begin;
  while (*end > *begin && blank((*end)[-1])) --*end;
}

bool IsName(const char* begin, const char* end, const char* key) {
  Trim(&begin, &end);
  return static_cast<size_t>(end - begin) == std::strlen(key) &&
         std::equal(begin, end, key, [](char a, char b) { return Lower(a) == Lower(b); });
}

// In any base up to 36; 36 is no digit.
uint32_t DigitValue(char c) {
  c = Lower(c);
  return (c >= '0' && c <= '9') ? c - '0' : (c >= 'a' && c <= 'z') ? c - 'a' + 10 : 36;
}

// The text after '=' of the key's first entry, which decides even when it has none: empty then, as when missing.
const char* Find(const char* text, unsigned long length, const char* key) {
  for (const char* entry = text; entry < text + length; entry += std::strlen(entry) + 1) {
    const char* equals = std::strchr(entry, '=');
    if (IsName(entry, equals ? equals : entry + std::strlen(entry), key)) return equals ? equals + 1 : "";
  }
  return "";
}

}  // namespace

void WriteProfileNumber(const ProfileIo& io, const char* section, const char* key, long value) {
  char text[16];
  TextBuilder(text, sizeof text).AppendNumber(value);
  io.writeText(io.ctx, section ? section : kMainSectionName, key, text);
}

ProfileSection::ProfileSection(const ProfileIo& io, const char* section) {
  // The reader cannot tell how much room a section needs, only that it may have filled what it had. The first room
  // is the most Windows 95 takes, where no section may be longer.
  for (unsigned long size = 32767; size <= (1ul << 30); size *= 2) {
    delete[] text;
    if (!(text = new char[size])) break;
    length = io.readSection(io.ctx, section, text, size);
    if (length < size - 2) {
      text[length] = '\0';  // however the reader ends its text, nothing is read past it
      return;
    }
  }
  length = 0;  // no room for it: every key at its fallback
}

// GetPrivateProfileInt parses GetPrivateProfileString's copy into 30 characters, without a pair of quotes around
// it (the closing one comes off even when the copy cut the value just before it), as RtlUnicodeStringToInteger in
// base 0 does: control characters, one sign, a lower-case 0b, 0o or 0x, digits up to the first that is none.
int ProfileSection::Int(const char* key, int fallback) const {
  const char* at = Find(text, length, key);
  const char* end = at + std::strlen(at);
  Trim(&at, &end);
  const size_t size = static_cast<size_t>(end - at);
  const bool quoted = size >= 2 && (*at == '"' || *at == '\'') && end[-1] == *at;
  at += quoted;
  end = at + std::min<size_t>(size - quoted, 29) - (quoted && size <= 31);
  if (at == end) return fallback;
  while (at < end && static_cast<unsigned char>(*at) <= ' ') ++at;
  const bool negative = at < end && *at == '-';
  if (at < end && (*at == '-' || *at == '+')) ++at;
  uint32_t base = 10;
  if (end - at >= 2 && at[0] == '0' && (at[1] == 'b' || at[1] == 'o' || at[1] == 'x')) {
    base = at[1] == 'b' ? 2 : at[1] == 'o' ? 8 : 16;
    at += 2;
  }
  uint32_t total = 0;  // wraps at 32 bits
  for (uint32_t digit; at < end && (digit = DigitValue(*at)) < base; ++at) total = total * base + digit;
  return static_cast<int>(negative ? 0u - total : total);
}
