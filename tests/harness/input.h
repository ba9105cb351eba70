// Real mouse and keyboard input, as a user gives it (SendInput reaches every
// program on the display, not only this one), and what another program's
// thread shows of it.
#ifndef NAPKEY_TESTS_HARNESS_INPUT_H
#define NAPKEY_TESTS_HARNESS_INPUT_H

#include <windows.h>

#include <string>

namespace harness {

void MouseMoveTo(int x, int y);
void MouseButton(bool right, bool down);
// A button going down or up at a point given with it: a late echo of an
// earlier pointer move cannot shift it.
void MouseButtonAt(int x, int y, bool down);
// The pointer arrives first, as a user's would, then a left click there.
void ClickAt(int x, int y);

// The capture and focus windows of the thread that owns `window`.
HWND CaptureOf(HWND window);
HWND FocusOf(HWND window);

// Keys pressed on the X server itself (xdotool names: "ctrl+alt+t",
// "keydown shift"), through a window of this process that holds the X focus.
// Wine keeps its modifier state in line with the X server's and resyncs it
// whenever a window gains focus, so a modifier given only through SendInput
// can be released behind the test's back; one pressed on the X server
// cannot. Waits until `vk` (when not 0) is down or up as the command leaves
// it, as this process sees it.
bool HostKeys(const char* xdotoolArguments, WORD vk = 0, bool down = false);
// Keys pressed on the X server into another program's top-level window (which
// gets the X focus first): they reach the control that has its focus.
bool HostKeysTo(HWND topLevel, const char* xdotoolArguments);

// Holds Shift or Ctrl for the life of the object (on the X server). Another
// program may see it a moment later: Wine caches a thread's key state.
class HeldKey {
 public:
  explicit HeldKey(WORD virtualKey);
  ~HeldKey();
  HeldKey(const HeldKey&) = delete;
  HeldKey& operator=(const HeldKey&) = delete;

 private:
  WORD key;
};

// Taps one key, or types digits, through the system's input (to whichever
// window has the keyboard focus). Not for modifiers: see HostKeys.
void KeyTap(WORD virtualKey);
void TypeDigits(const char* digits);

POINT CentreOf(HWND window);
COLORREF ScreenPixel(int x, int y);

// Starts a program of the machine Wine runs on (Wine starts Unix programs
// too); true when it started. It gives no handle to wait on: wait for its
// effect instead.
bool RunHostCommand(const char* commandLine);

}  // namespace harness

#endif
