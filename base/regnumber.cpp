#include "base/regnumber.h"

long ParseRegistryNumber(const char* text, size_t length) {
  if (!text) return 0;
  size_t i = 0;
  while (i < length && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r' ||
                        text[i] == '\v' || text[i] == '\f'))
    ++i;
  bool negative = false;
  if (i < length && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  const long long limit = negative ? 2147483648LL : 2147483647LL;
  for (; i < length && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > limit) value = limit;
  }
  return static_cast<long>(negative ? -value : value);
}
