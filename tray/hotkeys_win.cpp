#include "app/errortext.h"
#include "app/messages.h"
#include "app/userxface.h"
#include "res/resource.h"
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
  if (id == 0) {  // starting the saver is always allowed
    SendMessageA(window, WM_NAPKEY_START_SAVER, 0, 0);
    return;
  }
  if (!hotKeysAllowed) {
    MessageBeep(0xFFFFFFFF);
    return;
  }
  switch (id) {
    case 1:
      if (options && !options->ButtonBar.Show) {
        options->ButtonBar.Show = 1;
        LayoutBar();
      }
      SetForegroundWindow(window);
      break;
    case 2: SendMessageA(window, WM_NAPKEY_TOGGLE_SAVER, 0, 0); break;
    case 3: SendMessageA(window, WM_NAPKEY_FAST_EXIT, 0, 0); break;
    case 4: SendMessageA(window, WM_NAPKEY_POPUP_MENU, 0, 0); break;
    case 5: SendMessageA(window, WM_NAPKEY_SAVER_PROPERTIES, 0, 0); break;
    case 6: SendMessageA(window, WM_COMMAND, IDM_CUSTOMIZE, 0); break;
    default: break;
  }
}
