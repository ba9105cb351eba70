#include "faketray.h"

#include <shellapi.h>

#include "dialogs.h"

namespace harness {

namespace {

FakeTray* g_tray = nullptr;
const char kTrayClass[] = "Shell_TrayWnd";

std::string Narrow(const WCHAR* text, size_t maxLength) {
  std::string out;
  for (size_t i = 0; i < maxLength && text[i]; ++i) out += text[i] < 128 ? static_cast<char>(text[i]) : '?';
  return out;
}

}  // namespace

FakeTray::FakeTray() {
  g_tray = this;
  window = CreateStandInWindow(kTrayClass, Proc);
}

FakeTray::~FakeTray() {
  if (window) DestroyWindow(window);
  g_tray = nullptr;
}

std::string FakeTray::Tip(UINT id) const {
  auto it = icons.find(id);
  return it == icons.end() ? std::string("<no icon>") : it->second.tip;
}

void FakeTray::AnnounceRestart() {
  DWORD_PTR result;
  SendMessageTimeoutA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0, SMTO_ABORTIFHUNG, 5000,
                      &result);
}

// Wine's request: LONG hWnd, UINT uID, UINT uFlags, UINT uCallbackMessage,
// then (in Wine 8) either the tip as WCHAR[128] or first four UINTs of icon
// size before it. The tip's first character tells which.
void FakeTray::OnCopyData(const COPYDATASTRUCT* data) {
  if (!data || data->cbData < 16 + 2 * 128) return;
  const BYTE* bytes = static_cast<const BYTE*>(data->lpData);
  LONG owner;
  UINT id, flags, callback;
  memcpy(&owner, bytes, 4);
  memcpy(&id, bytes + 4, 4);
  memcpy(&flags, bytes + 8, 4);
  memcpy(&callback, bytes + 12, 4);
  size_t tipOffset = 16;
  WCHAR first;
  memcpy(&first, bytes + 16, 2);
  if (first != 0 && first < 0x20 && data->cbData >= 32 + 2 * 128) tipOffset = 32;
  WCHAR tip[128];
  memcpy(tip, bytes + tipOffset, sizeof tip);

  const char* name = data->dwData == NIM_ADD ? "ADD" : data->dwData == NIM_MODIFY ? "MODIFY"
                     : data->dwData == NIM_DELETE ? "DELETE" : "OTHER";
  requests.push_back(std::string(name) + " " + std::to_string(id));
  if (data->dwData == NIM_DELETE) {
    icons.erase(id);
    return;
  }
  if (data->dwData == NIM_MODIFY && !icons.count(id)) return;  // as the shell: no such icon
  TrayIcon& icon = icons[id];
  icon.owner = reinterpret_cast<HWND>(static_cast<LONG_PTR>(owner));
  if (flags & NIF_MESSAGE) icon.callback = callback;
  if (flags & NIF_TIP) icon.tip = Narrow(tip, 128);
}

LRESULT CALLBACK FakeTray::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COPYDATA && g_tray) {
    g_tray->OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    return TRUE;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace harness
