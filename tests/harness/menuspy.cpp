#include "menuspy.h"

#include <cstdlib>
#include <cstring>

#include "dialogs.h"
#include "menuspy_shared.h"

namespace harness {

MenuSpy::MenuSpy(HWND window) {
  mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, MENUSPY_SIZE, MENUSPY_MAPPING_NAME);
  if (mapping) view = static_cast<char*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, MENUSPY_SIZE));
  if (view) seen = *reinterpret_cast<volatile LONG*>(view);
  // menuspy.dll sits next to the test program.
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  char* slash = std::strrchr(path, '\\');
  if (slash) lstrcpynA(slash + 1, "menuspy.dll", static_cast<int>(MAX_PATH - (slash + 1 - path)));
  module = LoadLibraryA(path);
  HOOKPROC proc = module ? reinterpret_cast<HOOKPROC>(GetProcAddress(module, "MenuSpyHook")) : nullptr;
  const DWORD thread = GetWindowThreadProcessId(window, nullptr);
  if (proc) hook = SetWindowsHookExA(WH_CALLWNDPROC, proc, module, thread);
}

MenuSpy::~MenuSpy() {
  if (hook) UnhookWindowsHookEx(hook);
  if (module) FreeLibrary(module);
  if (view) UnmapViewOfFile(view);
  if (mapping) CloseHandle(mapping);
}

bool MenuSpy::WaitForPopup(DWORD timeoutMs, std::vector<SpiedMenuItem>* items) {
  if (!Ok()) return false;
  volatile LONG* sequence = reinterpret_cast<volatile LONG*>(view);
  if (!WaitUntil([&] { return *sequence != seen; }, timeoutMs)) return false;
  seen = *sequence;
  items->clear();
  const char* line = view + MENUSPY_TEXT_OFFSET;
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

}  // namespace harness
