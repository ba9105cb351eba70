// The bar's own tooltips: a yellow one-line popup below (or above) the button
// the mouse has rested on for a second.
#ifndef NAPKEY_BUTTONBAR_TOOLTIP_WIN_H
#define NAPKEY_BUTTONBAR_TOOLTIP_WIN_H

#include <windows.h>

int TooltipTrack(HWND target, const char* text);
int TooltipCancel();
// Returns the previous setting; disabling hides any tooltip.
int EnableTooltips(int enable);
int TooltipsEnabled();
void TooltipHide();
// The tooltip window, or null (for tests).
HWND CurrentTooltipWindow();

#endif
