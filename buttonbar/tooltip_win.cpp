#include "buttonbar/tooltip_win.h"

#include <cstring>

#include "base/errortext.h"
#include "base/monitor_win.h"
#include "base/platform_win.h"
#include "base/process_win.h"
#include "base/report_win.h"
#include "buttonbar/bargeometry.h"

namespace {

constexpr UINT kHoverDelayMs = 1000;
constexpr UINT kPollMs = 100;
constexpr UINT_PTR kTimerId = 0x7007;
constexpr COLORREF kTooltipYellow = RGB(255, 255, 0);
const char kTooltipClass[] = "QRT_Tooltip";

// A failure is told once (the caller remembers it): the bar lives on without tooltips.
bool RegisterTooltipClass(WNDPROC procedure) {
  WNDCLASSA windowClass;
  if (GetClassInfoA(g_instance, kTooltipClass, &windowClass)) return true;
  ZeroMemory(&windowClass, sizeof windowClass);
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = g_instance;
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<const char*>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BACKGROUND + 1));
  windowClass.lpszClassName = kTooltipClass;
  if (RegisterClassA(&windowClass)) return true;
  ReportError(nullptr, ReportPrefix | ReportSupport | ReportDiagnostics, MB_ICONHAND,
              "Couldn't register tooltip window class", "RegisterClass", 0);
  return false;
}

void PlaceTooltip(HWND window, HWND target, const char* shown) {
  HDC dc = GetDC(window);
  SIZE text = {0, 0};
  if (!shown) shown = "";
  const int length = static_cast<int>(std::strlen(shown));
  if (GetPlatformKind() == PlatformWin32s)
    GetTextExtentPointA(dc, shown, length, &text);
  else
    GetTextExtentPoint32A(dc, shown, length, &text);
  ReleaseDC(window, dc);
  RECT rect = {0, 0, 0, 0};
  if (target) GetWindowRect(target, &rect);
  const Point32 at = TooltipPlace(ToRect32(rect), MonitorOfRect(rect).monitor, text.cx, text.cy,
                                  GetSystemMetrics(SM_CYCURSOR));
  MoveWindow(window, at.x, at.y, text.cx + 2, text.cy + 2, FALSE);
}

void PaintTooltip(HWND window, const char* text) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  SetBkColor(dc, kTooltipYellow);
  SetBkMode(dc, OPAQUE);
  if (text) TextOutA(dc, 0, 0, text, static_cast<int>(std::strlen(text)));
  EndPaint(window, &paint);
}

}  // namespace

void Tooltip::Attach(HWND barWindow) {
  bar = barWindow;
  SetWindowLongPtrA(bar, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Tooltip* Tooltip::Of(HWND barWindow) {
  return barWindow ? reinterpret_cast<Tooltip*>(GetWindowLongPtrA(barWindow, GWLP_USERDATA)) : nullptr;
}

void Tooltip::KillTimer() {
  if (timer) ::KillTimer(bar, kTimerId);
  timer = 0;
}

bool Tooltip::SetTarget(HWND newTarget, const char* newText) {
  target = newTarget;
  if (!newText) newText = "";
  const size_t length = std::strlen(newText);
  text.reset(new char[length + 3]);
  if (!text) return false;
  text[0] = ' ';
  std::memcpy(text.get() + 1, newText, length);
  text[length + 1] = ' ';
  text[length + 2] = '\0';
  return true;
}

bool Tooltip::ShowWindowFor(bool create) {
  if (window && IsWindow(window)) {
    ShowWindow(window, SW_HIDE);
    PostMessageA(window, WM_CLOSE, 0, 0);
  }
  window = nullptr;
  if (!create) return true;
  if (classFailed || !RegisterTooltipClass(WindowProc)) {
    classFailed = true;
    return false;
  }
  window = CreateWindowExA(0, kTooltipClass, "", WS_POPUP | WS_BORDER, 0, 0, 0, 0, target, nullptr, g_instance,
                           this);
  if (!window) return false;
  // A target without text (the bar's background) shows nothing.
  const bool hasText = text && std::strlen(text.get()) >= 3;
  ShowWindow(window, hasText ? SW_SHOWNOACTIVATE : SW_HIDE);
  return true;
}

bool Tooltip::CursorOverTarget() const {
  POINT cursor;
  GetCursorPos(&cursor);
  return target && WindowFromPoint(cursor) == target;
}

void CALLBACK Tooltip::OnTimer(HWND barWindow, UINT, UINT_PTR, DWORD) {
  if (Tooltip* tooltip = Of(barWindow)) tooltip->Tick();
}

void Tooltip::Tick() {
  KillTimer();
  if (window) {
    if (CursorOverTarget())
      timer = SetTimer(bar, kTimerId, kPollMs, OnTimer);
    else
      Hide();
    return;
  }
  if (CursorOverTarget()) {
    ShowWindowFor(true);
    timer = SetTimer(bar, kTimerId, kPollMs, OnTimer);
  }
}

// A tooltip window still closing after a new one opened paints the text of
// the new one, or none.
LRESULT CALLBACK Tooltip::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Tooltip* tooltip = reinterpret_cast<Tooltip*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  switch (message) {
    case WM_CREATE:
      tooltip = static_cast<Tooltip*>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(tooltip));
      PlaceTooltip(window, tooltip->target, tooltip->text.get());
      return 0;
    case WM_PAINT:
      PaintTooltip(window, tooltip ? tooltip->text.get() : nullptr);
      return 0;
    case WM_MOUSEMOVE:  // the mouse reached the tooltip
      if (tooltip) tooltip->Hide();
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

int Tooltip::Track(HWND newTarget, const char* newText) {
  if (!enabled) return 0;
  if (window) {
    if (newTarget == target) return 1;
    // Already showing: jump to the new target without a new delay.
    SetTarget(newTarget, newText);
    ShowWindowFor(true);
    return 1;
  }
  Hide();
  timer = SetTimer(bar, kTimerId, kHoverDelayMs, OnTimer);
  if (!timer) return 0;
  if (!SetTarget(newTarget, newText)) {
    Hide();
    return 0;
  }
  return 1;
}

int Tooltip::Enable(int enable) {
  const int previous = enabled;
  enabled = enable;
  if (!enable) Hide();
  return previous;
}

void Tooltip::Hide() {
  KillTimer();
  text.reset();
  ShowWindowFor(false);
}
