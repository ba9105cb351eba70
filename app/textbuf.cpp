#include "app/textbuf.h"

#include <cstdarg>
#include <cstdio>

TextBuilder::TextBuilder(char* out, size_t size) : buffer(out), capacity(size) {
  if (capacity) buffer[0] = '\0';
}

TextBuilder& TextBuilder::Append(const char* text) {
  if (!text || !capacity) return *this;
  while (*text) {
    if (length + 1 >= capacity) {
      truncated = true;
      break;
    }
    buffer[length++] = *text++;
  }
  buffer[length] = '\0';
  return *this;
}

TextBuilder& TextBuilder::AppendFormat(const char* format, ...) {
  char piece[512];
  va_list args;
  va_start(args, format);
  const int written = std::vsnprintf(piece, sizeof piece, format, args);
  va_end(args);
  // The system runtime's vsnprintf returns -1 and may leave the text
  // unterminated when it does not fit.
  piece[sizeof piece - 1] = '\0';
  if (written < 0 || static_cast<size_t>(written) >= sizeof piece) truncated = true;
  return Append(piece);
}
