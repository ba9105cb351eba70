#include "saverdlg/minipreview_win.h"

#include "base/monitor_win.h"
#include "base/report_win.h"
#include "base/textbuf.h"
#include "base/process_win.h"
#include "base/childwindows_win.h"
#include "saver/launch_win.h"
#include "saverdlg/catalogue_win.h"
#include "saverdlg/propslogic.h"

const char kMiniPreviewClass[] = "QRT_SSPreview";

namespace {

constexpr int kClientWidth = 240;
constexpr int kClientHeight = 180;
constexpr UINT_PTR kResizeTimer = 5;
constexpr UINT kResizeDelayMs = 50;
constexpr int kChildChecks = 6;
constexpr DWORD kChildCheckMs = 250;
const char kIdleTitle[] = "Screen Saver Mini-Preview";

MiniPreview* PreviewOf(HWND window) { return reinterpret_cast<MiniPreview*>(GetWindowLongPtrA(window, 0)); }

// Waits while serving messages other threads send to this one: the saver's
// CreateWindow of its child notifies this window and would otherwise wait for
// the whole pause.
void PauseServingSentMessages(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  for (DWORD elapsed = 0; elapsed < milliseconds; elapsed = GetTickCount() - start) {
    MSG message;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - elapsed, QS_SENDMESSAGE);
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

void Paint(HWND window, MiniPreview* preview) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  if (preview && preview->iconMode && preview->icon.Ok()) {
    RECT client;
    GetClientRect(window, &client);
    DrawIcon(dc, (client.right - GetSystemMetrics(SM_CXICON)) / 2, (client.bottom - GetSystemMetrics(SM_CYICON)) / 2,
             preview->icon.Get());
  }
  EndPaint(window, &paint);
  InvalidateChildWindows(window);  // a live preview repaints too
}

}  // namespace

BOOL RegisterMiniPreviewClass() {
  WNDCLASSA windowClass = {};
  if (GetClassInfoA(g_instance, kMiniPreviewClass, &windowClass)) return TRUE;
  windowClass.lpfnWndProc = MiniPreviewWndProc;
  windowClass.cbWndExtra = sizeof(LONG_PTR);
  windowClass.hInstance = g_instance;
  windowClass.hIcon = LoadIconA(g_instance, "NAPKEY");
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BACKGROUND + 1);
  windowClass.lpszClassName = kMiniPreviewClass;
  return RegisterClassA(&windowClass) != 0;
}

MiniPreview::MiniPreview(HWND owner) {
  frameExtraWidth = 2 * GetSystemMetrics(SM_CXFRAME);
  frameExtraHeight = 2 * GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION);
  if (!RegisterMiniPreviewClass()) {
    ReportError(nullptr, ReportPrefix | ReportSupport | ReportDiagnostics, MB_ICONHAND,
                "Unable to register preview window class", "RegisterClass", 0);
    return;
  }
  RECT ownerRect = {};
  GetWindowRect(owner, &ownerRect);
  const long width = frameExtraWidth + kClientWidth, height = frameExtraHeight + kClientHeight;
  const Point32 at = MiniPreviewOrigin(ToRect32(ownerRect), MonitorOfWindow(owner).work, width, height);
  window = CreateWindowExA(0, kMiniPreviewClass, kIdleTitle,
                           WS_VISIBLE | WS_CLIPCHILDREN | WS_CAPTION | WS_THICKFRAME | WS_MINIMIZEBOX, at.x, at.y,
                           width, height, owner, nullptr, g_instance, this);
  if (!window)
    ReportError(nullptr, ReportPrefix | ReportSupport | ReportDiagnostics, MB_ICONHAND,
                "Unable to create preview window.", "CreateWindow", 0);
}

MiniPreview::~MiniPreview() {
  Destroy();
}

int MiniPreview::Show(SaverEntry* entry, bool quiet) {
  if (!window || !entry) return 0;
  Clear();
  saver = entry;
  char title[300];
  TextBuilder(title, sizeof title).Append(entry->displayName).Append(" - Mini-Preview");
  SetWindowTextA(window, title);
  iconMode = entry->kind != Saver32Preview;
  if (iconMode) {
    icon.Reset(entry->fullPath ? ExtractSaverIcon(g_instance, entry->fullPath) : nullptr);
    InvalidateRect(window, nullptr, TRUE);
  } else if (entry->fullPath) {
    PreviewSaverInWindow(window, entry->fullPath, quiet);
    // The saver makes its own child window; it must take no input here.
    for (int check = 0; DisableChildWindows(window) == 0 && check < kChildChecks; ++check)
      PauseServingSentMessages(kChildCheckMs);
    InvalidateChildWindows(window);
  }
  saverShown = TRUE;
  return 1;
}

int MiniPreview::Clear() {
  if (window) {
    CloseChildWindows(window);
    SetWindowTextA(window, kIdleTitle);
    InvalidateRect(window, nullptr, TRUE);
  }
  return 1;
}

void MiniPreview::Destroy() {
  if (window && IsWindow(window)) DestroyWindow(window);
  window = nullptr;
}

LRESULT CALLBACK MiniPreviewWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  MiniPreview* preview = PreviewOf(window);
  switch (message) {
    case WM_CREATE:
      SetWindowLongPtrA(window, 0,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
      return 0;
    case WM_SIZE:
      if (preview && preview->saverShown) {
        if (preview->resizeTimerPending) KillTimer(window, kResizeTimer);
        SetTimer(window, kResizeTimer, kResizeDelayMs, nullptr);
        preview->resizeTimerPending = TRUE;
      }
      return 0;
    case WM_TIMER:
      KillTimer(window, kResizeTimer);
      if (preview) {
        preview->resizeTimerPending = FALSE;
        if (preview->saverShown) preview->Refresh();
      }
      return 0;
    case WM_PAINT:
      Paint(window, preview);
      return 0;
    case WM_CLOSE:
      CloseChildWindows(window);
      break;
    case WM_DESTROY:
      CloseChildWindows(window);
      // Closed by other means than the dialog: the object must not reach a
      // window that is gone, nor this window an object that may go.
      if (preview) preview->window = nullptr;
      SetWindowLongPtrA(window, 0, 0);
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}
