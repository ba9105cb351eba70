// Real mouse and keyboard input (SendInput reaches every program).
#ifndef NAPKEY_TESTS_HARNESS_INPUT_H
#define NAPKEY_TESTS_HARNESS_INPUT_H

#include <windows.h>

#include <string>

namespace harness {

void MouseMoveTo(int x, int y);
void MouseButton(bool right, bool down);
// At a point given with it: a late echo of an earlier move cannot shift it.
void MouseButtonAt(int x, int y, bool down);
void ClickAt(int x, int y);

HWND CaptureOf(HWND window);
HWND FocusOf(HWND window);

// Keys pressed on the X server (xdotool names: "ctrl+alt+t"): Wine resyncs
// its modifiers with the X server's whenever a window gains focus, so a
// modifier given only through SendInput can be released behind the test's
// back. Waits until `vk` (when not 0) is down or up as the command leaves it.
bool HostKeys(const char* xdotoolArguments, WORD vk = 0, bool down = false);
// The same into another program's top-level window, which gets the X focus.
bool HostKeysTo(HWND topLevel, const char* xdotoolArguments);

// Holds Shift or Ctrl on the X server; Wine caches a thread's key state, so
// another program may see it a moment later.
class HeldKey {
 public:
  explicit HeldKey(WORD virtualKey);
  ~HeldKey();
  HeldKey(const HeldKey&) = delete;
  HeldKey& operator=(const HeldKey&) = delete;

 private:
  WORD key;
};

// To the window with the keyboard focus. Not for modifiers: see HostKeys.
void KeyTap(WORD virtualKey);
void TypeDigits(const char* digits);

POINT CentreOf(HWND window);
COLORREF ScreenPixel(int x, int y);

// Starts a Unix program; there is no handle to wait on: wait for its effect.
bool RunHostCommand(const char* commandLine);

}  // namespace harness

#endif
