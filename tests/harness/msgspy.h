// Watches what another process receives: hooks in msgspy.dll copy into
// shared memory its popup menus (menus cannot be read across processes under
// Wine), its WM_SYSCOMMAND, WM_APP+10.. and WM_HOTKEY messages.
#ifndef NAPKEY_TESTS_HARNESS_MSGSPY_H
#define NAPKEY_TESTS_HARNESS_MSGSPY_H

#include <windows.h>

#include <string>
#include <vector>

struct SpyView;  // msgspy_shared.h

namespace harness {

struct SpiedMenuItem {
  UINT id = 0;
  UINT state = 0;  // GetMenuState flags: MF_GRAYED, MF_DISABLED, MF_SEPARATOR...
  std::string text;
};

class MessageSpy {
 public:
  // Hooks the thread that owns `window` (in any process).
  explicit MessageSpy(HWND window);
  ~MessageSpy();
  MessageSpy(const MessageSpy&) = delete;
  MessageSpy& operator=(const MessageSpy&) = delete;

  bool Ok() const { return hooks[0] && hooks[1] && view != nullptr; }
  // Twice posts a marker and waits until it is taken, then sends a message:
  // true when all posted before (and what that posted) was handled.
  bool Settle(HWND window);
  // Waits for the next popup opened after the previous call.
  bool WaitForPopup(DWORD timeoutMs, std::vector<SpiedMenuItem>* items);
  // Asks until the thread of `window` sees `virtualKey` down itself.
  bool WaitKeySeenDown(HWND window, int virtualKey);
  // A timer in the thread of `window`, waited for: earlier ones have fired.
  bool RunTimer(HWND window, UINT milliseconds);
  // Resizes `window` `times` times from its own thread, no timer between.
  bool ResizeBurst(HWND window, int times);
  LONG MouseMoves() const;
  // Times `message` (with this wParam unless anyWParam; WM_SYSCOMMAND's
  // low four bits cleared) was seen since the spy began.
  int Count(UINT message, UINT wParam = 0, bool anyWParam = true) const;

 private:
  HMODULE module = nullptr;
  HHOOK hooks[2] = {nullptr, nullptr};
  HANDLE mapping = nullptr;
  ::SpyView* view = nullptr;
  LONG menusSeen = 0;
};

}  // namespace harness

#endif
