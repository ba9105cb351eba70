// Where the help file is looked for: next to the program file.
#ifndef NAPKEY_BASE_HELPPATH_H
#define NAPKEY_BASE_HELPPATH_H

#include <cstddef>

extern const char kHelpFileName[];  // "napkey.hlp"

// Writes the help file path for a program at modulePath (null or empty when
// unknown) into buffer. The name replaces the text after the last backslash;
// with no backslash, or when directory and name would not fit in bufferSize,
// the bare name is used and the help system searches for it.
void ComposeHelpPath(const char* modulePath, char* buffer, size_t bufferSize);

#endif
