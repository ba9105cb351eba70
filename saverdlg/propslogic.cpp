#include "saverdlg/propslogic.h"

PasswordControls PasswordControlsFor(bool hasEntry, SaverKind kind, bool windowsNt, bool passwordTicked) {
  if (!hasEntry) return {false, false, false, false};
  if (kind == Saver16) return {true, windowsNt, false, false};
  if (windowsNt) return {false, true, false, false};
  return {false, true, passwordTicked, true};
}

uint32_t DelayShown(uint32_t timeoutSeconds, bool inSeconds) { return inSeconds ? timeoutSeconds : timeoutSeconds / 60; }

bool DelayToSeconds(uint32_t number, bool inSeconds, uint32_t* seconds) {
  if (!inSeconds && number > UINT32_MAX / 60) return false;
  const uint32_t value = inSeconds ? number : number * 60;
  *seconds = value ? value : 1;
  return true;
}

int SelectBySequence(const PrefixList& list, const char* name, int32_t sequence) {
  int index = list.selectStartingWith(list.list, -1, name);
  while (index >= 0 && list.itemData(list.list, index) != sequence) {
    const int next = list.selectStartingWith(list.list, index, name);
    if (next < 0) return index;  // a miss leaves the selection as it was
    if (next <= index) return next;
    index = next;
  }
  return index;
}

Point32 MiniPreviewOrigin(const Rect32& owner, const Rect32& work, long previewWidth, long previewHeight) {
  const bool right = work.right - owner.right > owner.left - work.left;
  Point32 at = {right ? owner.right : owner.left - previewWidth, owner.top};
  if (at.x + previewWidth > work.right) at.x = work.right - previewWidth;
  if (at.x < work.left) at.x = work.left;
  if (at.y + previewHeight > work.bottom) at.y = work.bottom - previewHeight;
  if (at.y < work.top) at.y = work.top;
  return at;
}
