// What the taskbar icons show and what a click on them asks for.
#ifndef NAPKEY_TRAY_ICONCLICKS_H
#define NAPKEY_TRAY_ICONCLICKS_H

#include <cstddef>
#include <cstdint>

// The notification area keeps at most 63 characters of a tip.
constexpr size_t kTipMaxLength = 63;

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

#endif
