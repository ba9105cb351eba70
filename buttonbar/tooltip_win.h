// Tooltips over the bar's buttons.
#ifndef NAPKEY_BUTTONBAR_TOOLTIP_WIN_H
#define NAPKEY_BUTTONBAR_TOOLTIP_WIN_H

#include <windows.h>

void EnableTooltips(int enable);
void TooltipCancel();
void TooltipTrack(HWND target, const char* text);

#endif
