// Texts and key mappings of the taskbar icons and hot keys.
#ifndef NAPKEY_TRAY_TRAYTEXT_H
#define NAPKEY_TRAY_TRAYTEXT_H

#include <cstddef>
#include <cstdint>

// The notification area keeps at most 63 characters of a tip.
constexpr size_t kTipMaxLength = 63;

const char* SaverIconTip(bool active);
// "Click once to <action>" or "Double-click to <action>", cut to 63 characters.
void FastExitIconTip(bool exitOnSingleClick, int32_t fastExitOpt, char* out, size_t size);
// Copies a tip into a notification record's field, cut to 63 characters.
void CopyTip(const char* tip, char* out, size_t size);

// Click actions of the screen-saver icon: the program message to send, 0 for none.
unsigned SaverIconActionMessage(int32_t action);

// What a mouse message on one of the icons asks for.
struct IconClick {
  unsigned message = 0;         // program message to send to the main window, 0 for none
  bool deferred = false;        // wait one double-click time first (it may become a double click)
  bool cancelWaiting = false;   // a double click: single clicks still waiting are void
  bool beep = false;            // refused while a modal dialog is open
};
// mouse: the WM_* mouse message the shell reports. The mouse message values
// are passed in so that this file needs no <windows.h>.
struct MouseMessages {
  unsigned leftDown, leftDoubleClick, rightDown, rightUp;
};
IconClick SaverIconClick(unsigned mouse, const MouseMessages& m, bool clicksAllowed, int32_t singleClick,
                         int32_t doubleClick);
IconClick FastExitIconClick(unsigned mouse, const MouseMessages& m, bool clicksAllowed, bool exitOnSingleClick);

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
