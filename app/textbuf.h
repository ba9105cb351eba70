// Bounded text composition for fixed buffers: appends stop at the capacity and
// the text stays terminated, so no caller can write past its buffer.
#ifndef NAPKEY_APP_TEXTBUF_H
#define NAPKEY_APP_TEXTBUF_H

#include <cstddef>

class TextBuilder {
 public:
  // buffer must hold at least one character; it is emptied at once.
  TextBuilder(char* buffer, size_t capacity);

  TextBuilder& Append(const char* text);
  // printf-style; the formatted piece is cut like any other append.
  TextBuilder& AppendFormat(const char* format, ...) __attribute__((format(printf, 2, 3)));

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
