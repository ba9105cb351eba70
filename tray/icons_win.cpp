#include "tray/icons_win.h"

#include <shellapi.h>

#include <initializer_list>
#include <memory>

#include "base/messages.h"
#include "base/owned_win.h"
#include "base/process_win.h"
#include "base/shelllib_win.h"
#include "res/resource.h"
#include "saver/watchdog.h"
#include "tray/iconclicks.h"

namespace {

// The record as the shells of Windows 95 and NT 4.0 know it: these headers
// declare the later, longer one whatever version is asked for.
constexpr DWORD kIconRecordSize = NOTIFYICONDATAA_V1_SIZE;
static_assert(sizeof(void*) != 4 || kIconRecordSize == 88, "the 32-bit shell takes an 88-byte icon record");

// Raised by every double click; a waiting single click from before it is void.
volatile LONG g_clickCancels = 0;

// The small picture for an icon resource, loaded once and kept for the life of
// the program: loading one on every settings change grew the process by some
// 200 bytes each time.
HICON SmallIcon(int iconResource) {
  static struct { int resource; HICON icon; } loaded[4] = {};
  for (auto& slot : loaded) {
    if (slot.icon && slot.resource == iconResource) return slot.icon;
    if (!slot.icon) {
      slot.icon = static_cast<HICON>(LoadImageA(g_instance, MAKEINTRESOURCEA(iconResource), IMAGE_ICON, 16, 16, 0));
      slot.resource = iconResource;
      return slot.icon;
    }
  }
  return nullptr;
}

// The shell's record of one icon of the window, empty but for who it is.
NOTIFYICONDATAA IconRecord(HWND window, UINT id) {
  NOTIFYICONDATAA data;
  ZeroMemory(&data, sizeof data);
  data.cbSize = kIconRecordSize;
  data.hWnd = window;
  data.uID = id;
  return data;
}

// Adds, changes or removes one icon so that it matches `show`.
void SyncIcon(HWND window, UINT id, UINT callback, BOOL show, BOOL* shown, int iconResource, const char* tip) {
  NOTIFYICONDATAA data = IconRecord(window, id);
  data.uCallbackMessage = callback;
  DWORD operation = NIM_MODIFY;
  if ((show != 0) != (*shown != 0)) {
    operation = *shown ? NIM_DELETE : NIM_ADD;
    *shown = show ? TRUE : FALSE;
  }
  if (operation != NIM_DELETE) {
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.hIcon = SmallIcon(iconResource);
    CopyTip(tip, data.szTip, 64);  // the tip field of the short record
  }
  // A missing notification area is not an error: the shown flag records what
  // we want, and a re-created taskbar gets the icons again.
  ShellNotifyIcon(operation, &data);
}

const MouseMessages kMouse = {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONUP};

void SendLater(HWND window, UINT message) {
  std::unique_ptr<DelayedSend> request(new DelayedSend);
  if (!request) return;
  request->delay = GetDoubleClickTime();
  request->epoch = g_clickCancels;
  request->window = window;
  request->message = message;
  request->wParam = 0;
  request->lParam = 0;
  // The thread frees the request; without a thread the click is lost, and the request freed here.
  const OwnedHandle thread(CreateThread(nullptr, 0, DelayedSendThread, request.get(), 0, nullptr));
  if (thread.Ok()) request.release();
}

}  // namespace

UINT TaskbarCreatedMessage() {
  static UINT message = 0;  // UI thread only
  if (!message) message = RegisterWindowMessageA("TaskbarCreated");
  return message;
}

DWORD WINAPI DelayedSendThread(void* param) {
  const std::unique_ptr<DelayedSend> request(static_cast<DelayedSend*>(param));
  if (!request) return static_cast<DWORD>(-1);
  Sleep(request->delay);
  DWORD sent = 0;
  if (request->epoch == g_clickCancels) {
    SendMessageA(request->window, request->message, request->wParam, request->lParam);
    sent = 1;
  }
  return sent;
}

void TaskbarIcons::Update(HWND mainWindow, const Options& options, bool saverActive, const char* offUntil,
                          bool byPolicy) {
  window = mainWindow;
  char tip[64];
  SaverStateTip(saverActive, offUntil, byPolicy, tip, sizeof tip);
  SyncIcon(window, kSaverIconId, WM_NAPKEY_SAVER_ICON, options.TaskbarIcon.Show, &saverShown,
           saverActive ? IDI_SAVER_ENABLED : IDI_SAVER_DISABLED, tip);
  FastExitIconTip(options.FastExitTaskbarIcon.ExitOnSingleClick != 0, options.FastExit.FastExitOpt, tip, sizeof tip);
  SyncIcon(window, kFastExitIconId, WM_NAPKEY_FAST_EXIT_ICON, options.FastExitTaskbarIcon.Show, &fastExitShown,
           IDI_FAST_EXIT, tip);
}

// The main window is already destroyed here: the shell knows the icons by its handle.
TaskbarIcons::~TaskbarIcons() {
  if (!window) return;
  for (UINT id : {kSaverIconId, kFastExitIconId}) {
    NOTIFYICONDATAA data = IconRecord(window, id);
    ShellNotifyIcon(NIM_DELETE, &data);
  }
}

namespace {

void Carry(const IconClick& click, HWND window) {
  if (click.beep) MessageBeep(0xFFFFFFFF);
  if (click.cancelWaiting) InterlockedIncrement(&g_clickCancels);
  if (!click.message) return;
  if (click.deferred)
    SendLater(window, click.message);
  else
    SendMessageA(window, click.message, 0, 0);
}

}  // namespace

void TaskbarIcons::OnSaverIconNotify(HWND target, WPARAM id, LPARAM mouseMessage, const Options& options) const {
  if (id != kSaverIconId) return;
  Carry(SaverIconClick(static_cast<unsigned>(mouseMessage), kMouse, clicksAllowed, options.TaskbarIcon.SingleClick,
                       options.TaskbarIcon.DoubleClick),
        target);
}

void TaskbarIcons::OnFastExitIconNotify(HWND target, WPARAM id, LPARAM mouseMessage, const Options& options) const {
  if (id != kFastExitIconId) return;
  Carry(FastExitIconClick(static_cast<unsigned>(mouseMessage), kMouse, clicksAllowed,
                          options.FastExitTaskbarIcon.ExitOnSingleClick != 0),
        target);
}
