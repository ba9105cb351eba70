#include "input.h"

#include "dialogs.h"

namespace harness {

namespace {

// Without MOUSEEVENTF_MOVE the point is ignored and the button acts where
// the pointer already is.
void SendMouse(DWORD flags, int x, int y) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dx = (x * 65536 + GetSystemMetrics(SM_CXSCREEN) / 2) / GetSystemMetrics(SM_CXSCREEN);
  input.mi.dy = (y * 65536 + GetSystemMetrics(SM_CYSCREEN) / 2) / GetSystemMetrics(SM_CYSCREEN);
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

GUITHREADINFO ThreadInfoOf(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info;
}

// A window of this process that takes the X keyboard focus, so that keys
// pressed on the X server reach Wine (and its key state) here.
HWND KeySink() {
  static HWND sink = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "static", "key sink", WS_POPUP | WS_VISIBLE,
                                     0, 0, 4, 4, nullptr, nullptr, nullptr, nullptr);
  return sink;
}

}  // namespace

void MouseMoveTo(int x, int y) { SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, y); }

void MouseButton(bool right, bool down) {
  const DWORD flags = right ? (down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP)
                            : (down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP);
  SendMouse(flags, 0, 0);
}

void MouseButtonAt(int x, int y, bool down) {
  SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | (down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP), x, y);
}

void ClickAt(int x, int y) {
  MouseMoveTo(x, y);
  MouseButtonAt(x, y, true);
  MouseButtonAt(x, y, false);
}

void KeyTap(WORD virtualKey) {
  INPUT inputs[2] = {};
  for (INPUT& input : inputs) {
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
  }
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, inputs, sizeof inputs[0]);
}

void TypeDigits(const char* digits) {
  for (; *digits; ++digits) KeyTap(static_cast<WORD>(*digits));
}

HWND CaptureOf(HWND window) { return ThreadInfoOf(window).hwndCapture; }
HWND FocusOf(HWND window) { return ThreadInfoOf(window).hwndFocus; }

// xdotool gives this process's window the X focus and waits until it has it,
// then presses the keys there: later focus changes of other windows cannot
// take them away. Wine names a window's X window in a window property.
bool HostKeysTo(HWND topLevel, const char* arguments) {
  const HANDLE xWindow = GetPropA(topLevel, "__wine_x11_whole_window");
  if (!xWindow) return false;
  char commandLine[256];
  wsprintfA(commandLine, "/usr/bin/xdotool windowfocus --sync %lu %s",
            static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(xWindow)), arguments);
  return RunHostCommand(commandLine);
}

bool HostKeys(const char* arguments, WORD vk, bool down) {
  if (!HostKeysTo(KeySink(), arguments)) return false;
  return vk == 0 || WaitUntil([&] { return ((GetAsyncKeyState(vk) & 0x8000) != 0) == down; }, 10000);
}

HeldKey::HeldKey(WORD virtualKey) : key(virtualKey) {
  HostKeys(key == VK_SHIFT ? "keydown shift" : "keydown ctrl", key, true);
}

HeldKey::~HeldKey() { HostKeys(key == VK_SHIFT ? "keyup shift" : "keyup ctrl", key, false); }

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

bool RunHostCommand(const char* commandLine) {
  std::string command = commandLine;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  // Wine forks a program of the host without making handles for it, yet
  // copies an uninitialised record of them into `process`: closing those
  // closed whatever handles of this process they happened to name (once, the
  // test's stdout). There is nothing to close.
  PROCESS_INFORMATION process;
  return CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process) != 0;
}

}  // namespace harness
