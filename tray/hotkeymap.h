// The hot keys: their ids, the options behind them, what they bind and send,
// and the message telling which could not be registered.
#ifndef NAPKEY_TRAY_HOTKEYMAP_H
#define NAPKEY_TRAY_HOTKEYMAP_H

#include <cstddef>
#include <cstdint>

struct HotKeyBinding {
  unsigned modifiers;  // MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4
  unsigned key;        // virtual-key code
};
// A hot-key control value (HOTKEYF_* in the high byte) as RegisterHotKey wants
// it; the extended-key flag has no meaning there and is dropped.
HotKeyBinding HotKeyBindingOf(uint16_t value);

// The ids the hot keys are registered with.
enum HotKeyId : int {
  kHotKeyStartSaver = 0,
  kHotKeyShowBar = 1,
  kHotKeyToggleSaver = 2,
  kHotKeyFastExit = 3,
  kHotKeyMenu = 4,
  kHotKeySaverProperties = 5,
  kHotKeyCustomize = 6,
  kHotKeyCount = 7,
};
// The option (index into the record's order) behind each hot-key id: the
// toggle and Fast Exit ids are the record's 4th and 3rd keys.
int HotKeyOptionIndex(int id);
// What a hot-key press sends to the main window (the show-bar id is handled
// on its own): the message and its wParam; message 0 for none.
struct HotKeyCommand {
  unsigned message;
  unsigned wParam;
};
HotKeyCommand HotKeyCommandOf(int id);
// The failure line of each id, e.g. "start the screen saver.".
const char* HotKeyPurpose(int id);
// The whole failure message for the ids whose registration failed (bit i = id i).
void HotKeyFailureText(unsigned failedIds, char* out, size_t size);

#endif
