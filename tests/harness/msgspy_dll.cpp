// Loaded into the program under test by a WH_CALLWNDPROC hook; see msgspy.h.
#include <windows.h>

#include <cstdio>

#include "msgspy_shared.h"

namespace {

// Runs `write` on the shared view, when the spy is there.
template <typename Write>
void Shared(Write write) {
  if (HANDLE mapping = OpenFileMappingA(FILE_MAP_WRITE, FALSE, MSGSPY_MAPPING_NAME)) {
    if (auto* view = static_cast<SpyView*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(SpyView)))) {
      write(view);
      UnmapViewOfFile(view);
    }
    CloseHandle(mapping);
  }
}

void RecordMenu(HMENU menu) {
  Shared([menu](SpyView* view) {
    char* out = view->menuText;
    size_t room = sizeof view->menuText - 1;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
      char text[128] = "";
      GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
      const int written = std::snprintf(out, room, "%u\t%u\t%s\n", GetMenuItemID(menu, i),
                                        GetMenuState(menu, i, MF_BYPOSITION), text);
      if (written < 0 || static_cast<size_t>(written) >= room) break;
      out += written;
      room -= static_cast<size_t>(written);
    }
    *out = '\0';
    InterlockedIncrement(&view->menus);
  });
}

void RecordMessage(UINT message, WPARAM wParam) {
  Shared([=](SpyView* view) {
    const LONG index = InterlockedIncrement(&view->messages) - 1;
    if (index >= kSpyMaxMessages) return;
    view->seen[index][0] = message;
    view->seen[index][1] = static_cast<UINT>(message == WM_SYSCOMMAND ? (wParam & 0xFFF0) : wParam);
  });
}

void Raise(LONG SpyView::*counter) {
  Shared([counter](SpyView* view) { InterlockedIncrement(&(view->*counter)); });
}

void CALLBACK TimerFired(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  Raise(&SpyView::timers);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK MessageSpyHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const CWPSTRUCT* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (message->message == WM_INITMENUPOPUP) RecordMenu(reinterpret_cast<HMENU>(message->wParam));
    if (message->message == WM_SYSCOMMAND || (message->message >= WM_APP + 10 && message->message <= WM_APP + 20))
      RecordMessage(message->message, message->wParam);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

extern "C" __declspec(dllexport) LRESULT CALLBACK MessageSpyQueueHook(int code, WPARAM wParam, LPARAM lParam) {
  const MSG* message = reinterpret_cast<const MSG*>(lParam);
  if (code == HC_ACTION && wParam == PM_REMOVE) {
    if (message->message == WM_MOUSEMOVE) Raise(&SpyView::mouseMoves);
    if (message->message == WM_HOTKEY) RecordMessage(WM_HOTKEY, message->wParam);
    if (message->message == WM_NULL && message->wParam == kSpyMarker) Raise(&SpyView::markers);
    if (message->message == WM_NULL && message->wParam == kSpyKey) {
      const int key = static_cast<int>(message->lParam);
      Shared([key](SpyView* view) {
        view->keyAnswer = key * 2 + ((GetAsyncKeyState(key) & 0x8000) ? 1 : 0);
        InterlockedIncrement(&view->keyAnswers);
      });
    }
    if (message->message == WM_NULL && message->wParam == kSpyTimer)
      SetTimer(nullptr, 0, static_cast<UINT>(message->lParam), TimerFired);
    if (message->message == WM_NULL && message->wParam == kSpyResize) {
      RECT rect;
      GetWindowRect(message->hwnd, &rect);
      for (LPARAM i = 1; i <= message->lParam; ++i)
        SetWindowPos(message->hwnd, nullptr, 0, 0, rect.right - rect.left + 4 * static_cast<int>(i),
                     rect.bottom - rect.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      Raise(&SpyView::resizes);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
