// The decisions of the Screen Saver Properties dialog and its mini preview:
// which password controls a saver allows, the delay in its two units, finding
// the current saver's item in a sorted list, and where the preview opens.
#ifndef NAPKEY_SAVERDLG_PROPSLOGIC_H
#define NAPKEY_SAVERDLG_PROPSLOGIC_H

#include <cstdint>

#include "base/placement.h"
#include "saverdlg/exeheader.h"

struct PasswordControls {
  bool sixteenBitNote;          // "Select Help for information about ... 16-bit screen savers."
  bool passwordProtected;       // the check box
  bool disableDuringPreview;    // the check box
  bool changePassword;          // the button
};

// Windows NT keeps the password with the system's logon, so there only the
// flag can be set; a 16-bit saver elsewhere has no password of ours.
PasswordControls PasswordControlsFor(bool hasEntry, SaverKind kind, bool windowsNt, bool passwordTicked);

// The number shown for a timeout: seconds, or whole minutes.
uint32_t DelayShown(uint32_t timeoutSeconds, bool inSeconds);

// The timeout for a number typed in the chosen unit; 0 becomes 1. False when
// the seconds do not fit 32 bits.
bool DelayToSeconds(uint32_t number, bool inSeconds, uint32_t* seconds);

// A sorted list that finds items by the start of their text, as a combo box
// does: `selectStartingWith` selects the first item after index `after`
// (wrapping round) whose text begins with `text` and returns its index, or -1.
struct PrefixList {
  int (*selectStartingWith)(void* list, int after, const char* text);
  int32_t (*itemData)(void* list, int index);
  void* list;
};

// Selects the item named `name` whose data is `sequence`, passing over items
// whose names only begin with `name`. Stops at the first miss or when the
// search wraps round; the item selected last stays selected. Its index, or -1.
int SelectBySequence(const PrefixList& list, const char* name, int32_t sequence);

// Top-left corner of the mini preview (its frame included): beside the owner
// on the side with more room in the work area of the owner's monitor, level
// with its top, and moved in as far as it takes to stay in that work area.
Point32 MiniPreviewOrigin(const Rect32& owner, const Rect32& work, long previewWidth, long previewHeight);

#endif
