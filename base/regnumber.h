// Numbers stored as registry text ("ScreenSaverIsSecure" on Windows NT).
#ifndef NAPKEY_BASE_REGNUMBER_H
#define NAPKEY_BASE_REGNUMBER_H

#include <cstddef>

// Leading white space, an optional sign, then digits up to the first
// non-digit; no digits give 0. A value beyond the 32-bit range is held at
// its limit instead of wrapping. At most `length` characters are read, so an
// unterminated registry string is safe.
long ParseRegistryNumber(const char* text, size_t length);

#endif
