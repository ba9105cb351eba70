// The words and command lines of starting a screen saver.
#ifndef NAPKEY_SAVER_LAUNCHTEXT_H
#define NAPKEY_SAVER_LAUNCHTEXT_H

#include <cstddef>

enum LaunchMode { LaunchRun = 0, LaunchTest = 1, LaunchSetup = 3 };

// "Run", "Test" or "Setup".
const char* LaunchVerb(LaunchMode mode);
// " /s" or " /c".
const char* LaunchSwitch(LaunchMode mode);
bool LaunchWaits(LaunchMode mode);
// "<verb> screen saver".
void LaunchCaption(LaunchMode mode, char* out, size_t size);
// "Cannot <caption>."
void LaunchFailureText(LaunchMode mode, char* out, size_t size);
// The "no saver selected" message for a platform level.
void NoSaverSelectedText(int platformLevel, char* out, size_t size);

// "Cannot show preview window for <path>", "Cannot set screensaver password (<path>)".
void PreviewFailureText(const char* path, char* out, size_t size);
void PasswordFailureText(const char* path, char* out, size_t size);

// Command lines: the path is not quoted, as savers expect.
// Returns false (and leaves an empty text) when the path does not fit.
bool SaverCommandLine(const char* path, LaunchMode mode, char* out, size_t size);
bool PreviewCommandLine(const char* path, long window, char* out, size_t size);
bool PasswordCommandLine(const char* path, long window, char* out, size_t size);

#endif
