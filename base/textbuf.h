// Bounded text composition for fixed buffers: appends stop at the capacity and
// the text stays terminated, so no caller can write past its buffer. Numbers
// are written here rather than by the C runtime's printf family, which would
// add some 20 KB of formatting code to the program for a handful of integers.
#ifndef NAPKEY_BASE_TEXTBUF_H
#define NAPKEY_BASE_TEXTBUF_H

#include <cstddef>
#include <memory>

// A heap copy of the first `length` characters of `text`, terminated; null
// without memory.
std::unique_ptr<char[]> CopyText(const char* text, size_t length);

class TextBuilder {
 public:
  // buffer must hold at least one character; it is emptied at once.
  TextBuilder(char* buffer, size_t capacity);

  TextBuilder& Append(const char* text);
  // At most `count` characters of `text`.
  TextBuilder& Append(const char* text, size_t count);
  // Decimal, with a minus sign when negative.
  TextBuilder& AppendNumber(long value);
  // In base 10 or 16 (lower-case digits), padded with zeros to `digits`.
  TextBuilder& AppendUnsigned(unsigned long value, unsigned base = 10, int digits = 1);

  const char* Text() const { return buffer; }
  size_t Length() const { return length; }
  bool Truncated() const { return truncated; }

 private:
  char* buffer;
  size_t capacity;
  size_t length = 0;
  bool truncated = false;
};

#endif
