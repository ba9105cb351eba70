#include "buttonbar/tooltip_win.h"

// TODO(EnableTooltips, TooltipCancel, TooltipTrack): no tooltip window yet.
void EnableTooltips(int) {}
void TooltipCancel() {}
void TooltipTrack(HWND, const char*) {}
