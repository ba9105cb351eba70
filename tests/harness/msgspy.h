// Watches messages that another process receives. Hooks in a DLL
// (msgspy.dll) that the system loads into that process copy what they see
// into shared memory: the items of every popup menu about to show (id,
// state, text), the WM_SYSCOMMAND requests, the program's own messages
// WM_APP+10 to WM_APP+18, and the hot keys and marker messages taken from
// its queue. Menus cannot be read across processes under Wine, and a message
// sent to another program's window leaves no other trace, so this is how a
// test sees them.
#ifndef NAPKEY_TESTS_HARNESS_MSGSPY_H
#define NAPKEY_TESTS_HARNESS_MSGSPY_H

#include <windows.h>

#include <string>
#include <vector>

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
  // Twice posts a marker to `window` and waits until its thread takes it
  // from the queue, then sends it a message: true when everything posted
  // before (and what that posted in turn) was handled and the window still
  // exists.
  bool Settle(HWND window);
  // Waits for the next popup opened after the previous call.
  bool WaitForPopup(DWORD timeoutMs, std::vector<SpiedMenuItem>* items);
  // Asks the thread of `window` until it sees `virtualKey` down itself (its
  // own view may lag behind the system's): true once it does.
  bool WaitKeySeenDown(HWND window, int virtualKey);
  // Runs a timer of `milliseconds` in the thread of `window` and waits until
  // it has fired: timers of that thread due earlier have fired by then.
  bool RunTimer(HWND window, UINT milliseconds);
  // Resizes `window` `times` times in a row from its own thread, so that no
  // timer of that thread can run in between.
  bool ResizeBurst(HWND window, int times);
  // The GDI and USER objects of the process of `window`, counted in its thread.
  bool CountObjects(HWND window, LONG* gdi, LONG* user);
  // The CPU time the process of `window` has used, as it sees it itself.
  bool CpuMs(HWND window, LONG* ms);
  // How many timer messages the thread has taken from its queue.
  LONG TimerTicks() const;
  // How many mouse moves the thread has taken from its queue.
  LONG MouseMoves() const;
  // How many times `message` (with this wParam, unless anyWParam; for
  // WM_SYSCOMMAND, the command with its low four bits cleared) was seen since
  // the spy began. More than the spy can keep fails the test.
  int Count(UINT message, UINT wParam = 0, bool anyWParam = true) const;

 private:
  HMODULE module = nullptr;
  HHOOK hooks[2] = {nullptr, nullptr};
  HANDLE mapping = nullptr;
  char* view = nullptr;
  LONG menusSeen = 0;
};

}  // namespace harness

#endif
