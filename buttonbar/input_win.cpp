#include "buttonbar/input_win.h"

#include <memory>

#include "buttonbar/tooltip_win.h"

WNDPROC originalButtonProc = nullptr;

namespace {

LRESULT ForwardToBar(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
  SendMessageA(GetParent(button), message, wParam, lParam);
  return 0;
}

// The button's own text is its tooltip.
void TrackTooltip(HWND button) {
  const int length = GetWindowTextLengthA(button);
  const std::unique_ptr<char[]> text(new char[length + 2]);
  if (!text) return;
  GetWindowTextA(button, text.get(), length + 2);
  if (Tooltip* tooltip = Tooltip::Of(GetParent(button))) tooltip->Track(button, text.get());
}

}  // namespace

LRESULT CALLBACK BarButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      // A secondary click on a button is a click on the bar: the menu.
      if (Tooltip* tooltip = Tooltip::Of(GetParent(button))) tooltip->Hide();
      return ForwardToBar(button, message, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
      if (Tooltip* tooltip = Tooltip::Of(GetParent(button))) tooltip->Hide();
      // Shift+press drags the whole bar instead of pressing the button.
      if (IsKeyDown(VK_SHIFT)) return ForwardToBar(button, message, wParam, lParam);
      break;
    case WM_MOUSEMOVE:
      if (IsKeyDown(VK_SHIFT)) return ForwardToBar(button, message, wParam, lParam);
      if (GetCapture() != button) TrackTooltip(button);
      break;
    default: break;
  }
  return CallWindowProcA(originalButtonProc, button, message, wParam, lParam);
}

int IsKeyDown(int virtualKey) {
  GetAsyncKeyState(virtualKey);  // clears the "pressed since the last call" report
  return (GetAsyncKeyState(virtualKey) & 0x8000) ? 1 : 0;
}
