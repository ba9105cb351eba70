// The decisions of the Customize sheet's pages over plain values: what a
// page's controls read as, which values a page refuses and with which
// message, and the hand-over of the working copy to the live record.
#ifndef NAPKEY_SETTINGS_PAGES_H
#define NAPKEY_SETTINGS_PAGES_H

#include <cstdint>

#include "settings/options.h"

extern const char kInvalidSettings[];   // "Invalid settings."
extern const char kNoButtonSelected[];  // "You must select at least one Button."
extern const char kNegativeNumber[];    // "Numeric entries must be positive integers."
extern const char kShowsNothing[];      // "You must show a Taskbar Icon or the Button Bar.  ..."

// A Button Bar number field as read: not a number gives 0, more than 100
// (as a signed value) gives 100; a number past the signed range stays negative.
int32_t BarNumberFromField(bool isNumber, uint32_t number);

// The index of the first checked button of a radio group, or `fallback`.
int32_t FirstChecked(const bool* checked, int count, int32_t fallback);

// The Fast Exit page's buttons 1500..1505 hold the actions 0, 4, 2, 3, 1, 5;
// they are read in the order 1500, 1504, 1502, 1503, 1501, 1505.
int FastExitButtonOf(int32_t fastExitOpt);  // 0..5; a value outside 1..5 is the first
int32_t FastExitOptFromButtons(const bool checked[6]);

// Null when the section is valid, else the message of the first rule broken.
const char* ValidateTaskbarIcon(const TaskbarIconOptions& section);
const char* ValidateButtonBar(const ButtonBarOptions& section);
const char* ValidateFastExit(const FastExitOptions& section);

enum HandOverResult { kHandOverRefused, kHandedOver, kAlreadyHandedOver };

// Where one opening of the sheet stands: whether the working copy was handed
// over since its last change, and whether the sheet ends accepted.
struct HandOverState {
  bool applied = false;
  bool accepted = false;
};

// Apply or OK: refuses a record that shows nothing; otherwise copies the
// working copy over the live record unless that was done since the last
// change, and marks the sheet accepted.
HandOverResult HandOver(const Options& working, Options* live, HandOverState* state);

#endif
