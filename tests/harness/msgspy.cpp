#include "msgspy.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "dialogs.h"
#include "msgspy_shared.h"

namespace harness {

MessageSpy::MessageSpy(HWND window) {
  mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, MSGSPY_SIZE, MSGSPY_MAPPING_NAME);
  if (mapping) view = static_cast<char*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, MSGSPY_SIZE));
  if (view) {
    menusSeen = *reinterpret_cast<volatile LONG*>(view + MSGSPY_MENU_SEQUENCE);
    *reinterpret_cast<volatile LONG*>(view + MSGSPY_MESSAGE_COUNT) = 0;
  }
  // msgspy.dll sits next to the test program.
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  char* slash = std::strrchr(path, '\\');
  if (slash) lstrcpynA(slash + 1, "msgspy.dll", static_cast<int>(MAX_PATH - (slash + 1 - path)));
  module = LoadLibraryA(path);
  const DWORD thread = GetWindowThreadProcessId(window, nullptr);
  const struct {
    int type;
    const char* name;
  } kHooks[] = {{WH_CALLWNDPROC, "MessageSpyHook"}, {WH_GETMESSAGE, "MessageSpyQueueHook"}};
  for (int i = 0; i < 2 && module && thread; ++i)
    if (HOOKPROC proc = reinterpret_cast<HOOKPROC>(GetProcAddress(module, kHooks[i].name)))
      hooks[i] = SetWindowsHookExA(kHooks[i].type, proc, module, thread);
}

MessageSpy::~MessageSpy() {
  for (HHOOK hook : hooks)
    if (hook) UnhookWindowsHookEx(hook);
  if (module) FreeLibrary(module);
  if (view) UnmapViewOfFile(view);
  if (mapping) CloseHandle(mapping);
}

bool MessageSpy::WaitForPopup(DWORD timeoutMs, std::vector<SpiedMenuItem>* items) {
  if (!Ok()) return false;
  volatile LONG* sequence = reinterpret_cast<volatile LONG*>(view + MSGSPY_MENU_SEQUENCE);
  if (!WaitUntil([&] { return *sequence != menusSeen; }, timeoutMs)) return false;
  menusSeen = *sequence;
  items->clear();
  const char* line = view + MSGSPY_MENU_TEXT;
  while (*line) {
    const char* end = std::strchr(line, '\n');
    if (!end) break;
    SpiedMenuItem item;
    char* next = nullptr;
    item.id = static_cast<UINT>(std::strtoul(line, &next, 10));
    item.state = static_cast<UINT>(std::strtoul(next + 1, &next, 10));
    item.text.assign(next + 1, static_cast<size_t>(end - (next + 1)));
    items->push_back(item);
    line = end + 1;
  }
  return true;
}

bool MessageSpy::Settle(HWND window) {
  if (!Ok()) return false;
  volatile LONG* markers = reinterpret_cast<volatile LONG*>(view + MSGSPY_MARKERS);
  for (int round = 0; round < 2; ++round) {
    const LONG before = *markers;
    if (!PostMessageA(window, WM_NULL, MSGSPY_MARKER, 0)) return false;
    if (!WaitUntil([&] { return *markers != before; }, 20000)) return false;
  }
  DWORD_PTR result;
  return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &result) != 0;
}

namespace {
// Posts a request to the watched thread and waits until the counter at
// `offset` moves on.
bool Ask(char* view, int offset, HWND window, WPARAM request, LPARAM parameter) {
  volatile LONG* answers = reinterpret_cast<volatile LONG*>(view + offset);
  const LONG before = *answers;
  return PostMessageA(window, WM_NULL, request, parameter) && WaitUntil([&] { return *answers != before; }, 20000);
}
}  // namespace

bool MessageSpy::WaitKeySeenDown(HWND window, int virtualKey) {
  const volatile LONG* answer = reinterpret_cast<volatile LONG*>(view + MSGSPY_KEY_ANSWER);
  for (const DWORD start = GetTickCount(); Ok() && GetTickCount() - start < 20000;)
    if (!Ask(view, MSGSPY_KEY_ANSWERS, window, MSGSPY_KEY, virtualKey)) return false;
    else if (*answer == virtualKey * 2 + 1) return true;
  return false;
}

bool MessageSpy::RunTimer(HWND window, UINT milliseconds) {
  return Ok() && Ask(view, MSGSPY_TIMERS, window, MSGSPY_TIMER, milliseconds);
}

bool MessageSpy::ResizeBurst(HWND window, int times) {
  return Ok() && Ask(view, MSGSPY_RESIZES, window, MSGSPY_RESIZE, times);
}

LONG MessageSpy::MouseMoves() const {
  return view ? *reinterpret_cast<volatile LONG*>(view + MSGSPY_MOUSE_MOVES) : 0;
}

int MessageSpy::Count(UINT message, UINT wParam, bool anyWParam) const {
  if (!view) return 0;
  LONG seen = *reinterpret_cast<volatile LONG*>(view + MSGSPY_MESSAGE_COUNT);
  // A count past what was kept would make every later check of it meaningless.
  if (seen > MSGSPY_MAX_MESSAGES) {
    ADD_FAILURE() << "message spy overflowed: " << seen << " messages, " << MSGSPY_MAX_MESSAGES << " kept";
    seen = MSGSPY_MAX_MESSAGES;
  }
  const UINT* stored = reinterpret_cast<const UINT*>(view + MSGSPY_MESSAGES);
  int count = 0;
  for (LONG i = 0; i < seen; ++i)
    if (stored[2 * i] == message && (anyWParam || stored[2 * i + 1] == wParam)) ++count;
  return count;
}

}  // namespace harness
