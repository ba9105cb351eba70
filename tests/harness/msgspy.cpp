#include "msgspy.h"

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
  HOOKPROC proc = module ? reinterpret_cast<HOOKPROC>(GetProcAddress(module, "MessageSpyHook")) : nullptr;
  const DWORD thread = GetWindowThreadProcessId(window, nullptr);
  if (proc && thread) hook = SetWindowsHookExA(WH_CALLWNDPROC, proc, module, thread);
}

MessageSpy::~MessageSpy() {
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

std::vector<MessageSpy::Message> MessageSpy::Messages() const {
  std::vector<Message> messages;
  if (!view) return messages;
  LONG count = *reinterpret_cast<volatile LONG*>(view + MSGSPY_MESSAGE_COUNT);
  if (count > MSGSPY_MAX_MESSAGES) count = MSGSPY_MAX_MESSAGES;
  const UINT* stored = reinterpret_cast<const UINT*>(view + MSGSPY_MESSAGES);
  for (LONG i = 0; i < count; ++i) messages.push_back(Message{stored[2 * i], stored[2 * i + 1]});
  return messages;
}

int MessageSpy::Count(UINT message, UINT wParam, bool anyWParam) const {
  int count = 0;
  for (const Message& seen : Messages())
    if (seen.message == message && (anyWParam || seen.wParam == wParam)) ++count;
  return count;
}

}  // namespace harness
