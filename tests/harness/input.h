// Real mouse and keyboard input, as a user gives it (SendInput reaches every
// program on the display, not only this one).
#ifndef NAPKEY_TESTS_HARNESS_INPUT_H
#define NAPKEY_TESTS_HARNESS_INPUT_H

#include <windows.h>

#include <string>

namespace harness {

void MouseMoveTo(int x, int y);
void MouseButton(bool right, bool down);
// Moves there, presses and releases.
void ClickAt(int x, int y, bool right = false);
// Presses at `from`, moves in steps to `to`, releases there.
void DragMouse(POINT from, POINT to, int steps = 8);
void Key(WORD virtualKey, bool down);

// Holds a key for the life of the object.
class HeldKey {
 public:
  explicit HeldKey(WORD virtualKey);
  ~HeldKey() { Key(key, false); }
  HeldKey(const HeldKey&) = delete;
  HeldKey& operator=(const HeldKey&) = delete;

 private:
  WORD key;
};

// The centre of a window, in screen coordinates.
POINT CentreOf(HWND window);

// The colour of one screen pixel.
COLORREF ScreenPixel(int x, int y);

// Starts a program of the machine Wine runs on (Wine starts Unix programs
// too), e.g. "/usr/bin/import ..."; true when it started. It runs on its own.
bool RunHostCommand(const char* commandLine);
// The same, then waits until it has written `output` (a Windows path).
bool RunHostCommandMaking(const char* commandLine, const std::string& output, DWORD timeoutMs = 10000);
// Unix path of a Windows path on Wine's Z: drive (the host's root).
std::string HostPath(const std::string& windowsPath);
// Saves the screen rectangle as a PNG file (Windows path on Z:).
bool SaveScreenshot(const RECT& area, const std::string& pngPath);

}  // namespace harness

#endif
