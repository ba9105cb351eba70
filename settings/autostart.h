// Starting with Windows: the string value the program keeps under the user's
// Run key, whose data is the command that starts it.
#ifndef NAPKEY_SETTINGS_AUTOSTART_H
#define NAPKEY_SETTINGS_AUTOSTART_H

#include <cstddef>

extern const char kRunKey[];         // "Software\Microsoft\Windows\CurrentVersion\Run"
extern const char kRunValueName[];   // "Drowsel/Plus"
extern const char kRunNotChanged[];  // "Could not change the list of programs that start with Windows."

// The exe's path in quotes, so that a path with blanks stays one word; false,
// leaving `out` empty, when that does not fit `size`.
bool ComposeRunCommand(const char* exePath, char* out, size_t size);

// Whether a Run value's data starts the exe at `exePath`: the same path in
// any case, quoted or not.
bool RunCommandNames(const char* data, const char* exePath);

enum RunChange { kRunKept, kRunWritten, kRunRemoved };

// What Apply does to the Run value, whose data is `stored` (null when absent),
// with the box ticked or not.
RunChange RunChangeFor(bool ticked, const char* stored, const char* exePath);

#endif
