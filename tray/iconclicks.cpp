#include "tray/iconclicks.h"

#include "base/messages.h"
#include "base/textbuf.h"
#include "settings/options.h"

void CopyTip(const char* tip, char* out, size_t size) {
  if (!out || size == 0) return;
  const size_t room = size - 1 < kTipMaxLength ? size - 1 : kTipMaxLength;
  size_t i = 0;
  for (; tip && tip[i] && i < room; ++i) out[i] = tip[i];
  out[i] = '\0';
}

void FastExitIconTip(bool exitOnSingleClick, int32_t fastExitOpt, char* out, size_t size) {
  char whole[256];
  TextBuilder(whole, sizeof whole)
      .Append(exitOnSingleClick ? "Click once" : "Double-click")
      .Append(" to ")
      .Append(FastExitActionName(fastExitOpt));
  CopyTip(whole, out, size);
}

unsigned SaverIconActionMessage(int32_t action) {
  switch (action) {
    case 1: return WM_NAPKEY_TOGGLE_SAVER;
    case 2: return WM_NAPKEY_START_SAVER;
    case 3: return WM_NAPKEY_SAVER_PROPERTIES;
    default: return 0;
  }
}

namespace {

// While a modal dialog is open a press only beeps; other messages are ignored.
bool Refused(unsigned mouse, const MouseMessages& m, bool clicksAllowed, IconClick* click) {
  if (clicksAllowed) return false;
  click->beep = mouse == m.leftDown || mouse == m.leftDoubleClick || mouse == m.rightDown;
  return true;
}

}  // namespace

IconClick SaverIconClick(unsigned mouse, const MouseMessages& m, bool clicksAllowed, int32_t singleClick,
                         int32_t doubleClick) {
  IconClick click;
  if (Refused(mouse, m, clicksAllowed, &click)) return click;
  if (mouse == m.rightUp) {
    click.message = WM_NAPKEY_POPUP_MENU;
  } else if (mouse == m.leftDown) {
    click.message = SaverIconActionMessage(singleClick);
    click.deferred = click.message != 0 && doubleClick != 0;
  } else if (mouse == m.leftDoubleClick) {
    click.cancelWaiting = true;
    click.message = SaverIconActionMessage(doubleClick);
  }
  return click;
}

IconClick FastExitIconClick(unsigned mouse, const MouseMessages& m, bool clicksAllowed, bool exitOnSingleClick) {
  IconClick click;
  if (Refused(mouse, m, clicksAllowed, &click)) return click;
  if (mouse == m.rightUp)
    click.message = WM_NAPKEY_POPUP_MENU;
  else if ((mouse == m.leftDown && exitOnSingleClick) || (mouse == m.leftDoubleClick && !exitOnSingleClick))
    click.message = WM_NAPKEY_FAST_EXIT;
  return click;
}
