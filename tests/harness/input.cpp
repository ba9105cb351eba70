#include "input.h"

#include "dialogs.h"

namespace harness {

void MouseMoveTo(int x, int y) {
  INPUT input;
  ZeroMemory(&input, sizeof input);
  input.type = INPUT_MOUSE;
  input.mi.dx = (x * 65536 + GetSystemMetrics(SM_CXSCREEN) / 2) / GetSystemMetrics(SM_CXSCREEN);
  input.mi.dy = (y * 65536 + GetSystemMetrics(SM_CYSCREEN) / 2) / GetSystemMetrics(SM_CYSCREEN);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
  PumpFor(30);
}

void MouseButton(bool right, bool down) {
  INPUT input;
  ZeroMemory(&input, sizeof input);
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = right ? (down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP)
                           : (down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP);
  SendInput(1, &input, sizeof input);
  PumpFor(30);
}

void ClickAt(int x, int y, bool right) {
  MouseMoveTo(x, y);
  MouseButton(right, true);
  MouseButton(right, false);
}

void DragMouse(POINT from, POINT to, int steps) {
  MouseMoveTo(from.x, from.y);
  MouseButton(false, true);
  for (int i = 1; i <= steps; ++i)
    MouseMoveTo(from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps);
  MouseButton(false, false);
  PumpFor(100);
}

namespace {

// Under Wine a modifier pressed with SendInput alone does not last: when the
// pointer enters another program's window, Wine brings its key state in line
// with the X server's keyboard, where the key is up. So modifiers are pressed
// on the X server itself, with xdotool (Wine starts Unix programs too).
const char* XKeyName(WORD virtualKey) {
  switch (virtualKey) {
    case VK_SHIFT: return "shift";
    case VK_CONTROL: return "ctrl";
    case VK_MENU: return "alt";
    default: return nullptr;
  }
}

bool XKey(const char* name, bool down) {
  char commandLine[128];
  wsprintfA(commandLine, "/usr/bin/xdotool %s %s", down ? "keydown" : "keyup", name);
  STARTUPINFOA startup;
  ZeroMemory(&startup, sizeof startup);
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process;
  if (!CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return false;
  WaitForSingleObject(process.hProcess, 5000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace

void Key(WORD virtualKey, bool down) {
  if (const char* name = XKeyName(virtualKey)) {
    if (XKey(name, down)) {
      PumpFor(30);
      return;
    }
  }
  INPUT input;
  ZeroMemory(&input, sizeof input);
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  SendInput(1, &input, sizeof input);
  PumpFor(30);
}

// Wine caches a thread's view of the async key state for 50 ms at a time and
// keeps the cache while it is read again within that time (as a program does
// on every mouse move): give it a quiet moment to see the key go down.
HeldKey::HeldKey(WORD virtualKey) : key(virtualKey) {
  Key(key, true);
  PumpFor(150);
}

POINT CentreOf(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

COLORREF ScreenPixel(int x, int y) {
  HDC screen = GetDC(nullptr);
  const COLORREF color = GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  return color;
}

}  // namespace harness
