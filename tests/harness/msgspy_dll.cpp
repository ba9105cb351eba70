// Loaded into the program under test by a WH_CALLWNDPROC hook; see msgspy.h.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "msgspy_shared.h"

namespace {

char* OpenShared(HANDLE* mapping) {
  *mapping = OpenFileMappingA(FILE_MAP_WRITE, FALSE, MSGSPY_MAPPING_NAME);
  if (!*mapping) return nullptr;
  char* view = static_cast<char*>(MapViewOfFile(*mapping, FILE_MAP_WRITE, 0, 0, MSGSPY_SIZE));
  if (!view) CloseHandle(*mapping);
  return view;
}

void CloseShared(HANDLE mapping, char* view) {
  UnmapViewOfFile(view);
  CloseHandle(mapping);
}

void RecordMenu(HMENU menu) {
  HANDLE mapping;
  char* view = OpenShared(&mapping);
  if (!view) return;
  char* out = view + MSGSPY_MENU_TEXT;
  size_t room = MSGSPY_SIZE - MSGSPY_MENU_TEXT - 1;
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
  InterlockedIncrement(reinterpret_cast<LONG*>(view + MSGSPY_MENU_SEQUENCE));
  CloseShared(mapping, view);
}

void RecordMessage(UINT message, WPARAM wParam) {
  HANDLE mapping;
  char* view = OpenShared(&mapping);
  if (!view) return;
  const LONG index = InterlockedIncrement(reinterpret_cast<LONG*>(view + MSGSPY_MESSAGE_COUNT)) - 1;
  if (index < MSGSPY_MAX_MESSAGES) {
    UINT* pair = reinterpret_cast<UINT*>(view + MSGSPY_MESSAGES) + 2 * index;
    pair[0] = message;
    pair[1] = static_cast<UINT>(message == WM_SYSCOMMAND ? (wParam & 0xFFF0) : wParam);
  }
  CloseShared(mapping, view);
}

void Raise(int offset, const LONG* answer = nullptr) {
  HANDLE mapping;
  if (char* view = OpenShared(&mapping)) {
    if (answer) *reinterpret_cast<volatile LONG*>(view + MSGSPY_KEY_ANSWER) = *answer;
    InterlockedIncrement(reinterpret_cast<LONG*>(view + offset));
    CloseShared(mapping, view);
  }
}

void CALLBACK TimerFired(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  Raise(MSGSPY_TIMERS);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK MessageSpyHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const CWPSTRUCT* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (message->message == WM_INITMENUPOPUP) RecordMenu(reinterpret_cast<HMENU>(message->wParam));
    if (message->message == WM_SYSCOMMAND || (message->message >= WM_APP + 10 && message->message <= WM_APP + 18))
      RecordMessage(message->message, message->wParam);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

extern "C" __declspec(dllexport) LRESULT CALLBACK MessageSpyQueueHook(int code, WPARAM wParam, LPARAM lParam) {
  const MSG* message = reinterpret_cast<const MSG*>(lParam);
  if (code == HC_ACTION && wParam == PM_REMOVE) {
    if (message->message == WM_MOUSEMOVE) Raise(MSGSPY_MOUSE_MOVES);
    if (message->message == WM_HOTKEY) RecordMessage(WM_HOTKEY, message->wParam);
    if (message->message == WM_NULL && message->wParam == MSGSPY_MARKER) Raise(MSGSPY_MARKERS);
    if (message->message == WM_NULL && message->wParam == MSGSPY_KEY) {
      const int key = static_cast<int>(message->lParam);
      const LONG answer = key * 2 + ((GetAsyncKeyState(key) & 0x8000) ? 1 : 0);
      Raise(MSGSPY_KEY_ANSWERS, &answer);
    }
    if (message->message == WM_NULL && message->wParam == MSGSPY_TIMER)
      SetTimer(nullptr, 0, static_cast<UINT>(message->lParam), TimerFired);
    if (message->message == WM_NULL && message->wParam == MSGSPY_RESIZE) {
      RECT rect;
      GetWindowRect(message->hwnd, &rect);
      for (LPARAM i = 1; i <= message->lParam; ++i)
        SetWindowPos(message->hwnd, nullptr, 0, 0, rect.right - rect.left + 4 * static_cast<int>(i),
                     rect.bottom - rect.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      Raise(MSGSPY_RESIZES);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
