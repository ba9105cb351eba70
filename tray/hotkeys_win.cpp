#include "tray/hotkeys_win.h"

#include "base/errortext.h"
#include "tray/hotkeymap.h"

void HotKeys::Register(HWND mainWindow, const HotKeyOptions& keys) const {
  unsigned failed = 0;
  for (int id = 0; id < kHotKeyCount; ++id) {
    UnregisterHotKey(mainWindow, id);
    const uint16_t value = keys.KeyAt(HotKeyOptionIndex(id));
    if (!value) continue;
    const HotKeyBinding binding = HotKeyBindingOf(value);
    if (!RegisterHotKey(mainWindow, id, binding.modifiers, binding.key)) failed |= 1u << id;
  }
  if (!failed) return;
  char text[512];
  HotKeyFailureText(failed, text, sizeof text);
  MessageBoxA(mainWindow, text, kProgramCaption, MB_OK | MB_ICONEXCLAMATION | MB_SETFOREGROUND);
}

bool HotKeys::Press(HWND window, WPARAM id) const {
  const int hotKey = static_cast<int>(id);
  if (hotKey != kHotKeyStartSaver && !allowed) {
    MessageBeep(0xFFFFFFFF);
    return false;
  }
  if (hotKey == kHotKeyShowBar) return true;
  const HotKeyCommand command = HotKeyCommandOf(hotKey);
  if (command.message) SendMessageA(window, command.message, command.wParam, 0);
  return false;
}
