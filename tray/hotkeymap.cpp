#include "tray/hotkeymap.h"

#include "base/messages.h"
#include "base/textbuf.h"
#include "res/resource.h"

HotKeyBinding HotKeyBindingOf(uint16_t value) {
  constexpr unsigned kHotkeyShift = 0x01, kHotkeyControl = 0x02, kHotkeyAlt = 0x04;
  constexpr unsigned kModAlt = 0x0001, kModControl = 0x0002, kModShift = 0x0004;
  const unsigned flags = value >> 8;
  HotKeyBinding binding;
  binding.modifiers = ((flags & kHotkeyAlt) ? kModAlt : 0) | ((flags & kHotkeyControl) ? kModControl : 0) |
                      ((flags & kHotkeyShift) ? kModShift : 0);
  binding.key = value & 0xFFu;
  return binding;
}

int HotKeyOptionIndex(int id) {
  switch (id) {
    case kHotKeyToggleSaver: return 3;  // ToggleSS
    case kHotKeyFastExit: return 2;     // FastExit
    default: return (id >= 0 && id < kHotKeyCount) ? id : -1;
  }
}

HotKeyCommand HotKeyCommandOf(int id) {
  constexpr unsigned kWmCommand = 0x0111;  // WM_COMMAND
  switch (id) {
    case kHotKeyStartSaver: return {WM_NAPKEY_START_SAVER, 0};
    case kHotKeyToggleSaver: return {WM_NAPKEY_TOGGLE_SAVER, 0};
    case kHotKeyFastExit: return {WM_NAPKEY_FAST_EXIT, 0};
    case kHotKeyMenu: return {WM_NAPKEY_POPUP_MENU, 0};
    case kHotKeySaverProperties: return {WM_NAPKEY_SAVER_PROPERTIES, 0};
    case kHotKeyCustomize: return {kWmCommand, IDM_CUSTOMIZE};
    default: return {0, 0};
  }
}

const char* HotKeyPurpose(int id) {
  static const char* const kPurposes[kHotKeyCount] = {  // in id order
      "start the screen saver.",
      "show the Button Bar in the foreground.",
      "enable/disable the screen saver.",
      "do Fast Exit.",
      "display the Napkey+ menu.",
      "display the Screen Saver Properties dialog.",
      "display the Customize Napkey+ dialog.",
  };
  return (id >= 0 && id < kHotKeyCount) ? kPurposes[id] : "";
}

void HotKeyFailureText(unsigned failedIds, char* out, size_t size) {
  TextBuilder text(out, size);
  text.Append("Error:\nCould not register the hot key(s) to: ");
  for (int id = 0; id < kHotKeyCount; ++id)
    if (failedIds & (1u << id)) text.Append("\n...").Append(HotKeyPurpose(id));
}
