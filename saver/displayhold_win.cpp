#include "saver/displayhold_win.h"

#include "base/platform_win.h"

void DisplayHold::Set(bool wanted) {
  if (wanted == held || (wanted && !IsWindows98Or2000())) return;
  if (RequestExecutionState(wanted ? ES_CONTINUOUS | ES_DISPLAY_REQUIRED : ES_CONTINUOUS) || !wanted) held = wanted;
}
