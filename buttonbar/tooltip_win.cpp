#include "buttonbar/tooltip_win.h"

#include <cstring>

#include "base/errortext.h"
#include "base/platform_win.h"
#include "base/report_win.h"
#include "base/process_win.h"
#include "buttonbar/bargeometry.h"

namespace {

constexpr UINT kHoverDelayMs = 1000;
constexpr UINT kPollMs = 100;
constexpr COLORREF kTooltipYellow = RGB(255, 255, 0);
const char kTooltipClass[] = "QRT_Tooltip";

HWND tooltipWindow = nullptr;
HWND tooltipTarget = nullptr;
char* tooltipText = nullptr;
int tooltipsEnabled = 0;
UINT_PTR tooltipTimer = 0;
bool classRegistered = false;
bool classFailed = false;

void CALLBACK TooltipTimerProc(HWND, UINT, UINT_PTR, DWORD);
LRESULT CALLBACK TooltipWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

void KillTooltipTimer() {
  if (tooltipTimer) KillTimer(nullptr, tooltipTimer);
  tooltipTimer = 0;
}

bool RegisterTooltipClass() {
  if (classRegistered) return true;
  if (classFailed) return false;
  WNDCLASSA windowClass;
  ZeroMemory(&windowClass, sizeof windowClass);
  windowClass.lpfnWndProc = TooltipWndProc;
  windowClass.hInstance = g_instance;
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<const char*>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BACKGROUND + 1));
  windowClass.lpszClassName = kTooltipClass;
  if (RegisterClassA(&windowClass)) {
    classRegistered = true;
    return true;
  }
  classFailed = true;
  ReportError(nullptr, ReportPrefix | ReportSupport | ReportDiagnostics, MB_ICONHAND,
              "Couldn't register tooltip window class", "RegisterClass", 0);
  return false;
}

bool SetTooltipTarget(HWND target, const char* text) {
  tooltipTarget = target;
  delete[] tooltipText;
  if (!text) text = "";
  const size_t length = std::strlen(text);
  tooltipText = new char[length + 3];
  if (!tooltipText) return false;
  tooltipText[0] = ' ';
  std::memcpy(tooltipText + 1, text, length);
  tooltipText[length + 1] = ' ';
  tooltipText[length + 2] = '\0';
  return true;
}

bool ShowTooltipWindow(bool create) {
  if (tooltipWindow && IsWindow(tooltipWindow)) {
    ShowWindow(tooltipWindow, SW_HIDE);
    PostMessageA(tooltipWindow, WM_CLOSE, 0, 0);
  }
  tooltipWindow = nullptr;
  if (!create) return true;
  if (!RegisterTooltipClass()) return false;
  tooltipWindow = CreateWindowExA(0, kTooltipClass, "", WS_POPUP | WS_BORDER, 0, 0, 0, 0, tooltipTarget, nullptr,
                                  g_instance, nullptr);
  if (!tooltipWindow) return false;
  // A target without text (the bar's background) shows nothing.
  const bool hasText = tooltipText && std::strlen(tooltipText) >= 3;
  ShowWindow(tooltipWindow, hasText ? SW_SHOWNOACTIVATE : SW_HIDE);
  return true;
}

bool IsCursorOverTarget() {
  POINT cursor;
  GetCursorPos(&cursor);
  return tooltipTarget && WindowFromPoint(cursor) == tooltipTarget;
}

void CALLBACK TooltipTimerProc(HWND, UINT, UINT_PTR, DWORD) {
  KillTooltipTimer();
  if (tooltipWindow) {
    if (IsCursorOverTarget())
      tooltipTimer = SetTimer(nullptr, 0, kPollMs, TooltipTimerProc);
    else
      TooltipHide();
    return;
  }
  if (IsCursorOverTarget()) {
    ShowTooltipWindow(true);
    tooltipTimer = SetTimer(nullptr, 0, kPollMs, TooltipTimerProc);
  }
}

void PlaceTooltip(HWND window) {
  HDC dc = GetDC(window);
  SIZE text = {0, 0};
  const char* shown = tooltipText ? tooltipText : "";
  const int length = static_cast<int>(std::strlen(shown));
  if (GetPlatformKind() == PlatformWin32s)
    GetTextExtentPointA(dc, shown, length, &text);
  else
    GetTextExtentPoint32A(dc, shown, length, &text);
  ReleaseDC(window, dc);
  RECT screen, target = {0, 0, 0, 0};
  GetWindowRect(GetDesktopWindow(), &screen);
  if (tooltipTarget) GetWindowRect(tooltipTarget, &target);
  const Point32 at = TooltipPlace(Rect32{target.left, target.top, target.right, target.bottom},
                                  Rect32{screen.left, screen.top, screen.right, screen.bottom}, text.cx, text.cy,
                                  GetSystemMetrics(SM_CYCURSOR));
  MoveWindow(window, at.x, at.y, text.cx + 2, text.cy + 2, FALSE);
}

void PaintTooltip(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  SetBkColor(dc, kTooltipYellow);
  SetBkMode(dc, OPAQUE);
  if (tooltipText) TextOutA(dc, 0, 0, tooltipText, static_cast<int>(std::strlen(tooltipText)));
  EndPaint(window, &paint);
}

LRESULT CALLBACK TooltipWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      PlaceTooltip(window);
      return 0;
    case WM_PAINT:
      PaintTooltip(window);
      return 0;
    case WM_MOUSEMOVE:
      TooltipHide();  // the mouse reached the tooltip
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

int TooltipTrack(HWND target, const char* text) {
  if (!tooltipsEnabled) return 0;
  if (tooltipWindow) {
    if (target == tooltipTarget) return 1;
    // Already showing: jump to the new target without a new delay.
    SetTooltipTarget(target, text);
    ShowTooltipWindow(true);
    return 1;
  }
  TooltipHide();
  tooltipTimer = SetTimer(nullptr, 0, kHoverDelayMs, TooltipTimerProc);
  if (!tooltipTimer) return 0;
  if (!SetTooltipTarget(target, text)) {
    TooltipHide();
    return 0;
  }
  return 1;
}

int TooltipCancel() {
  TooltipHide();
  return 1;
}

int EnableTooltips(int enable) {
  const int previous = tooltipsEnabled;
  tooltipsEnabled = enable;
  if (!enable) TooltipHide();
  return previous;
}

int TooltipsEnabled() { return tooltipsEnabled; }

void TooltipHide() {
  KillTooltipTimer();
  delete[] tooltipText;
  tooltipText = nullptr;
  ShowTooltipWindow(false);
}

HWND CurrentTooltipWindow() { return tooltipWindow; }
