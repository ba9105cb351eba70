#include "buttonbar/input_win.h"

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
  char* text = new char[length + 2];
  if (!text) return;
  GetWindowTextA(button, text, length + 2);
  if (Tooltip* tooltip = Tooltip::Of(GetParent(button))) tooltip->Track(button, text);
  delete[] text;
}

struct ChildWalk {
  int action;  // 0 disable, 1 close, 2 invalidate
  int visited;
};

BOOL CALLBACK VisitChild(HWND child, LPARAM param) {
  auto* walk = reinterpret_cast<ChildWalk*>(param);
  switch (walk->action) {
    case 0: EnableWindow(child, FALSE); break;
    case 1: SendMessageA(child, WM_CLOSE, 0, 0); break;
    default: InvalidateRect(child, nullptr, FALSE); break;
  }
  ++walk->visited;
  return TRUE;
}

int WalkChildren(HWND parent, int action) {
  ChildWalk walk{action, 0};
  EnumChildWindows(parent, VisitChild, reinterpret_cast<LPARAM>(&walk));
  return walk.visited;
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

int DisableChildWindows(HWND parent) { return WalkChildren(parent, 0); }
int CloseChildWindows(HWND parent) { return WalkChildren(parent, 1); }
int InvalidateChildWindows(HWND parent) { return WalkChildren(parent, 2); }
