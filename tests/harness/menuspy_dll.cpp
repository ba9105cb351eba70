// Loaded into the program under test by a WH_CALLWNDPROC hook; see menuspy.h.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "menuspy_shared.h"

namespace {

void Record(HMENU menu) {
  HANDLE mapping = OpenFileMappingA(FILE_MAP_WRITE, FALSE, MENUSPY_MAPPING_NAME);
  if (!mapping) return;
  char* view = static_cast<char*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, MENUSPY_SIZE));
  if (view) {
    char* out = view + MENUSPY_TEXT_OFFSET;
    size_t room = MENUSPY_SIZE - MENUSPY_TEXT_OFFSET - 1;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count && room > 0; ++i) {
      char text[128] = "";
      GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
      const UINT id = GetMenuItemID(menu, i);
      const UINT state = GetMenuState(menu, i, MF_BYPOSITION);
      const int written = std::snprintf(out, room, "%u\t%u\t%s\n", id, state, text);
      if (written < 0 || static_cast<size_t>(written) >= room) break;
      out += written;
      room -= static_cast<size_t>(written);
    }
    *out = '\0';
    InterlockedIncrement(reinterpret_cast<LONG*>(view));
    UnmapViewOfFile(view);
  }
  CloseHandle(mapping);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK MenuSpyHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const CWPSTRUCT* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (message->message == WM_INITMENUPOPUP) Record(reinterpret_cast<HMENU>(message->wParam));
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
