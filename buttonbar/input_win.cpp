#include "buttonbar/input_win.h"

WNDPROC originalButtonProc = nullptr;

LRESULT CALLBACK BarButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
  // TODO(BarButtonProc): secondary clicks, Shift+drag and tooltip tracking
  // come with the button input; until then the standard button does it all.
  return CallWindowProcA(originalButtonProc, button, message, wParam, lParam);
}
