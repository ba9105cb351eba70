#include "settings/pages.h"

const char kInvalidSettings[] = "Invalid settings.";
const char kNoButtonSelected[] = "You must select at least one Button.";
const char kNegativeNumber[] = "Numeric entries must be positive integers.";
const char kShowsNothing[] = "You must show a Taskbar Icon or the Button Bar.  You cannot choose to show nothing.";

namespace {

// Button index by action value, and action value by button index.
const int32_t kActionOfButton[6] = {kFastExitAsk,  kFastExitShutdown,  kFastExitReboot,
                                    kFastExitLogoff, kFastExitRestart95, kFastExitDos};
const int kReadOrder[6] = {0, 4, 2, 3, 1, 5};

}  // namespace

int32_t BarNumberFromField(bool isNumber, uint32_t number) {
  if (!isNumber) return 0;
  const int32_t value = static_cast<int32_t>(number);
  return value > 100 ? 100 : value;
}

int32_t FirstChecked(const bool* checked, int count, int32_t fallback) {
  for (int i = 0; i < count; ++i)
    if (checked[i]) return i;
  return fallback;
}

int FastExitButtonOf(int32_t fastExitOpt) {
  for (int button = 1; button < 6; ++button)
    if (kActionOfButton[button] == fastExitOpt) return button;
  return 0;
}

int32_t FastExitOptFromButtons(const bool checked[6]) {
  for (int button : kReadOrder)
    if (checked[button]) return kActionOfButton[button];
  return kFastExitAsk;
}

const char* ValidateTaskbarIcon(const TaskbarIconOptions& section) {
  const bool inRange = section.SingleClick >= 0 && section.SingleClick < kClickActionCount &&
                       section.DoubleClick >= 0 && section.DoubleClick < kClickActionCount;
  return inRange ? nullptr : kInvalidSettings;
}

const char* ValidateButtonBar(const ButtonBarOptions& section) {
  if (section.Selection == 0) return kNoButtonSelected;
  if (section.SpaceBetween < 0 || section.Border < 0) return kNegativeNumber;
  if ((section.Selection & ~kButtonAll) != 0 || section.ButtonSize < 0 || section.ButtonSize > 2)
    return kInvalidSettings;
  return nullptr;
}

const char* ValidateFastExit(const FastExitOptions& section) {
  return section.FastExitOpt >= 0 && section.FastExitOpt < kFastExitActionCount ? nullptr : kInvalidSettings;
}

HandOverResult HandOver(const Options& working, Options* live, HandOverState* state) {
  if (!working.FastExitTaskbarIcon.Show && !working.TaskbarIcon.Show && !working.ButtonBar.Show)
    return kHandOverRefused;
  HandOverResult result = kAlreadyHandedOver;
  if (!state->applied) {
    *live = working;
    state->applied = true;
    result = kHandedOver;
  }
  state->accepted = true;
  return result;
}
