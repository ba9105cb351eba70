#include "base/textbuf.h"

#include <cstring>

std::unique_ptr<char[]> CopyText(const char* text, size_t length) {
  std::unique_ptr<char[]> copy(new char[length + 1]);
  if (!copy) return nullptr;
  std::memcpy(copy.get(), text, length);
  copy[length] = '\0';
  return copy;
}

TextBuilder::TextBuilder(char* out, size_t size) : buffer(out), capacity(size) {
  if (capacity) buffer[0] = '\0';
}

TextBuilder& TextBuilder::Append(const char* text) { return Append(text, static_cast<size_t>(-1)); }

TextBuilder& TextBuilder::Append(const char* text, size_t count) {
  if (!text || !capacity) return *this;
  for (; count && *text; --count) {
    if (length + 1 >= capacity) {
      truncated = true;
      break;
    }
    buffer[length++] = *text++;
  }
  buffer[length] = '\0';
  return *this;
}

TextBuilder& TextBuilder::AppendNumber(long value) {
  // The magnitude in unsigned arithmetic: -LONG_MIN does not fit a long.
  const unsigned long magnitude = value < 0 ? 0ul - static_cast<unsigned long>(value) : static_cast<unsigned long>(value);
  if (value < 0) Append("-");
  return AppendUnsigned(magnitude);
}

TextBuilder& TextBuilder::AppendUnsigned(unsigned long value, unsigned base, int digits) {
  if (base != 16) base = 10;
  char reversed[sizeof(unsigned long) * 8];
  int count = 0;
  do {
    reversed[count++] = "0123456789abcdef"[value % base];
    value /= base;
  } while (value && count < static_cast<int>(sizeof reversed));
  while (count < digits && count < static_cast<int>(sizeof reversed)) reversed[count++] = '0';
  char text[sizeof reversed + 1];
  for (int i = 0; i < count; ++i) text[i] = reversed[count - 1 - i];
  text[count] = '\0';
  return Append(text);
}
