#include "msgspy.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "dialogs.h"
#include "msgspy_shared.h"

namespace harness {

namespace {
LONG Read(const LONG& shared) { return *const_cast<const volatile LONG*>(&shared); }
}  // namespace

MessageSpy::MessageSpy(HWND window) {
  mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(SpyView), MSGSPY_MAPPING_NAME);
  if (mapping) view = static_cast<SpyView*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(SpyView)));
  if (view) {
    menusSeen = Read(view->menus);
    InterlockedExchange(&view->messages, 0);
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
  if (!WaitUntil([&] { return Read(view->menus) != menusSeen; }, timeoutMs)) return false;
  menusSeen = Read(view->menus);
  items->clear();
  const char* line = view->menuText;
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
  for (int round = 0; round < 2; ++round) {
    const LONG before = Read(view->markers);
    if (!PostMessageA(window, WM_NULL, kSpyMarker, 0)) return false;
    if (!WaitUntil([&] { return Read(view->markers) != before; }, 20000)) return false;
  }
  DWORD_PTR result;
  return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &result) != 0;
}

namespace {
// Posts a request to the watched thread and waits until `answers` moves on.
bool Ask(const LONG& answers, HWND window, WPARAM request, LPARAM parameter) {
  const LONG before = Read(answers);
  return PostMessageA(window, WM_NULL, request, parameter) && WaitUntil([&] { return Read(answers) != before; }, 20000);
}
}  // namespace

bool MessageSpy::WaitKeySeenDown(HWND window, int virtualKey) {
  for (const DWORD start = GetTickCount(); Ok() && GetTickCount() - start < 20000;)
    if (!Ask(view->keyAnswers, window, kSpyKey, virtualKey)) return false;
    else if (Read(view->keyAnswer) == virtualKey * 2 + 1) return true;
  return false;
}

bool MessageSpy::RunTimer(HWND window, UINT milliseconds) {
  return Ok() && Ask(view->timers, window, kSpyTimer, milliseconds);
}

bool MessageSpy::ResizeBurst(HWND window, int times) { return Ok() && Ask(view->resizes, window, kSpyResize, times); }

LONG MessageSpy::MouseMoves() const { return view ? Read(view->mouseMoves) : 0; }

int MessageSpy::Count(UINT message, UINT wParam, bool anyWParam) const {
  if (!view) return 0;
  LONG seen = Read(view->messages);
  // A count past what was kept would make every later check of it meaningless.
  if (seen > kSpyMaxMessages) {
    ADD_FAILURE() << "message spy overflowed: " << seen << " messages, " << kSpyMaxMessages << " kept";
    seen = kSpyMaxMessages;
  }
  int count = 0;
  for (LONG i = 0; i < seen; ++i)
    if (view->seen[i][0] == message && (anyWParam || view->seen[i][1] == wParam)) ++count;
  return count;
}

}  // namespace harness
