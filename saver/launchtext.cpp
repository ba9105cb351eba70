#include "saver/launchtext.h"

#include "base/platform.h"
#include "base/textbuf.h"

const char* LaunchVerb(LaunchMode mode) {
  switch (mode) {
    case LaunchTest: return "Test";
    case LaunchSetup: return "Setup";
    default: return "Run";
  }
}

const char* LaunchSwitch(LaunchMode mode) { return mode == LaunchSetup ? " /c" : " /s"; }

bool LaunchWaits(LaunchMode mode) { return mode == LaunchTest || mode == LaunchSetup; }

void LaunchCaption(LaunchMode mode, char* out, size_t size) {
  TextBuilder(out, size).Append(LaunchVerb(mode)).Append(" screen saver");
}

void LaunchFailureText(LaunchMode mode, char* out, size_t size) {
  TextBuilder(out, size).Append("Cannot ").Append(LaunchVerb(mode)).Append(" screen saver.");
}

void NoSaverSelectedText(int platformLevel, char* out, size_t size) {
  TextBuilder(out, size)
      .Append("No screen saver is selected.  Use \"Screen Saver Properties\" or ")
      .Append(!HasNewShell(platformLevel) ? "Control Panel / Desktop" : "change Display Properties")
      .Append(" to select a screen saver.");
}

void PreviewFailureText(const char* path, char* out, size_t size) {
  TextBuilder(out, size).Append("Cannot show preview window for ").Append(path);
}

void PasswordFailureText(const char* path, char* out, size_t size) {
  TextBuilder(out, size).Append("Cannot set screensaver password (").Append(path).Append(")");
}

namespace {

// A command line cut short would start some other file: refuse it instead.
bool Finish(TextBuilder& text, char* out, size_t size) {
  if (!text.Truncated()) return true;
  if (size) out[0] = '\0';
  return false;
}

}  // namespace

bool SaverCommandLine(const char* path, LaunchMode mode, char* out, size_t size) {
  TextBuilder text(out, size);
  text.Append(path).Append(LaunchSwitch(mode));
  return Finish(text, out, size);
}

bool PreviewCommandLine(const char* path, long window, char* out, size_t size) {
  TextBuilder text(out, size);
  text.Append(path).Append(" /p ").AppendNumber(window);
  return Finish(text, out, size);
}

bool PasswordCommandLine(const char* path, long window, char* out, size_t size) {
  TextBuilder text(out, size);
  text.Append(path).Append(" /A ").AppendNumber(window);
  return Finish(text, out, size);
}
