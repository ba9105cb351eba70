#include "base/errortext.h"
#include "base/messages.h"
#include "app/userxface.h"
#include "tray/traytext.h"

void UserXface::RegisterHotKeys() {
  if (!options) return;
  unsigned failed = 0;
  for (int id = 0; id < kHotKeyCount; ++id) {
    UnregisterHotKey(g_mainWindow, id);
    const uint16_t value = options->HotKeys.KeyAt(HotKeyOptionIndex(id));
    if (!value) continue;
    const HotKeyBinding binding = HotKeyBindingOf(value);
    if (!RegisterHotKey(g_mainWindow, id, binding.modifiers, binding.key)) failed |= 1u << id;
  }
  if (!failed) return;
  char text[512];
  HotKeyFailureText(failed, text, sizeof text);
  MessageBoxA(g_mainWindow, text, kProgramCaption, MB_OK | MB_ICONEXCLAMATION | MB_SETFOREGROUND);
}

void UserXface::OnHotKey(HWND window, WPARAM id, LPARAM) {
  const int hotKey = static_cast<int>(id);
  if (hotKey != kHotKeyStartSaver && !hotKeysAllowed) {  // starting the saver is always allowed
    MessageBeep(0xFFFFFFFF);
    return;
  }
  if (hotKey == kHotKeyShowBar) {
    if (options && !options->ButtonBar.Show) {
      options->ButtonBar.Show = 1;
      LayoutBar();
    }
    SetForegroundWindow(window);
    return;
  }
  const HotKeyCommand command = HotKeyCommandOf(hotKey);
  if (command.message) SendMessageA(window, command.message, command.wParam, 0);
}
