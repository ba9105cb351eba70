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
  return RunHostCommand(commandLine);
}

}  // namespace

void Key(WORD virtualKey, bool down) {
  if (const char* name = XKeyName(virtualKey)) {
    if (XKey(name, down)) {
      // The host program runs on its own: wait until the key has changed.
      WaitUntil([&] { return ((GetAsyncKeyState(virtualKey) & 0x8000) != 0) == down; }, 1000);
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

namespace harness {

// Wine hands back a handle that is signalled at once for a Unix program, so
// callers wait for the program's effect, not for the handle.
bool RunHostCommand(const char* commandLine) {
  std::string command = commandLine;
  STARTUPINFOA startup;
  ZeroMemory(&startup, sizeof startup);
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process;
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

namespace {
// A file that exists and has stopped growing.
bool FileComplete(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA first, second;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &first) || first.nFileSizeLow == 0) return false;
  Sleep(100);
  return GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &second) &&
         second.nFileSizeLow == first.nFileSizeLow;
}
}  // namespace

bool RunHostCommandMaking(const char* commandLine, const std::string& output, DWORD timeoutMs) {
  DeleteFileA(output.c_str());
  return RunHostCommand(commandLine) && WaitUntil([&] { return FileComplete(output); }, timeoutMs);
}

std::string HostPath(const std::string& windowsPath) {
  std::string path = windowsPath;
  if (path.size() >= 2 && (path[0] == 'Z' || path[0] == 'z') && path[1] == ':') path = path.substr(2);
  for (char& c : path)
    if (c == '\\') c = '/';
  return path;
}

bool SaveScreenshot(const RECT& area, const std::string& pngPath) {
  char command[1024];
  wsprintfA(command, "/usr/bin/import -window root -crop %ldx%ld+%ld+%ld +repage %s", area.right - area.left,
            area.bottom - area.top, area.left, area.top, HostPath(pngPath).c_str());
  return RunHostCommandMaking(command, pngPath, 10000);
}

}  // namespace harness
