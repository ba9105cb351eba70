#include "saver/launch_win.h"

#include "base/errortext.h"
#include "base/owned_win.h"
#include "base/platform_win.h"
#include "base/report_win.h"
#include "saver/saverstate_win.h"

namespace {

constexpr DWORD kMouseRestStepMs = 100;
constexpr DWORD kMouseRestGiveUpMs = 1500;

// A started saver's handles, closed as it goes: the thread's first.
struct SaverProcess {
  OwnedHandle process;
  OwnedHandle thread;
};

// Every saver process starts the same way. A command line that could not be
// composed (too long) fails like a start.
BOOL StartSaverProcess(bool composed, char* commandLine, SaverProcess* started) {
  if (!composed) {
    SetLastError(ERROR_FILENAME_EXCED_RANGE);
    return FALSE;
  }
  STARTUPINFOA startup;
  ZeroMemory(&startup, sizeof startup);
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process;
  ZeroMemory(&process, sizeof process);
  if (!CreateProcessA(nullptr, commandLine, nullptr, nullptr, TRUE, CREATE_DEFAULT_ERROR_MODE, nullptr, nullptr,
                      &startup, &process))
    return FALSE;
  started->process.Reset(process.hProcess);
  started->thread.Reset(process.hThread);
  return TRUE;
}

void ReportStartFailure(HWND owner, const char* message, DWORD error) {
  ReportError(owner, ReportPrefix | ReportSupport | ReportDiagnostics, MB_ICONHAND, message, "CreateProcess", error);
}

// Window handles are 32-bit values on every Windows, also in 64-bit code.
long HandleNumber(HWND window) { return static_cast<long>(static_cast<LONG>(reinterpret_cast<LONG_PTR>(window))); }

bool SamePoint(const POINT& a, const POINT& b) { return a.x == b.x && a.y == b.y; }

// A saver started while the mouse still moves would end at once: wait until
// it has rested for 200 ms, at most 1.5 s.
bool WaitForMouseRest() {
  const DWORD start = GetTickCount();
  for (;;) {
    POINT first, second;
    GetCursorPos(&first);
    Sleep(kMouseRestStepMs);
    GetCursorPos(&second);
    if (SamePoint(first, second)) {
      Sleep(kMouseRestStepMs);
      GetCursorPos(&second);
      if (SamePoint(first, second)) return true;
    }
    if (GetTickCount() - start >= kMouseRestGiveUpMs) return false;
  }
}

// Keeps the thread's windows alive while the saver runs; the owner stays
// disabled so that its buttons cannot be used meanwhile.
void WaitForProcess(HWND owner, HANDLE process) {
  EnableWindow(owner, FALSE);
  for (;;) {
    const DWORD result = MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE, QS_ALLINPUT);
    if (result != WAIT_OBJECT_0 + 1) break;  // the saver ended, or the wait itself failed
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (owner && IsDialogMessageA(owner, &message)) continue;
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  EnableWindow(owner, TRUE);
  SetForegroundWindow(owner);
}

// Starts a saver that runs on its own (preview, password); reports a failure
// unless there is no `failure` text to report.
BOOL StartDetached(HWND owner, bool composed, char* commandLine, const char* failure) {
  SaverProcess process;
  if (!StartSaverProcess(composed, commandLine, &process)) {
    if (failure) ReportStartFailure(owner, failure, GetLastError());
    return FALSE;
  }
  return TRUE;
}

}  // namespace

BOOL LaunchSaver(HWND owner, const char* path, LaunchMode mode) {
  char caption[64];
  LaunchCaption(mode, caption, sizeof caption);

  char saverPath[MAX_PATH];
  if (path) {
    lstrcpynA(saverPath, path, MAX_PATH);
  } else if (ReadSelectedSaver(saverPath, MAX_PATH) != Selected) {
    char text[256];
    NoSaverSelectedText(GetPlatformLevel(), text, sizeof text);
    MessageBoxA(owner, text, caption, MB_OK | MB_ICONEXCLAMATION | MB_SETFOREGROUND);
    return FALSE;
  }

  const bool nt = GetPlatformKind() == PlatformNT;
  if (nt && mode != LaunchSetup && !WaitForMouseRest()) {
    MessageBeep(0xFFFFFFFF);
    return FALSE;
  }
  if (nt && mode == LaunchRun) {
    SendMessageA(owner, WM_SYSCOMMAND, SC_SCREENSAVE, 0);
    return TRUE;
  }

  char commandLine[MAX_PATH + 8];
  SaverProcess process;
  if (!StartSaverProcess(SaverCommandLine(saverPath, mode, commandLine, sizeof commandLine), commandLine,
                         &process)) {
    const DWORD error = GetLastError();
    char message[128];
    LaunchFailureText(mode, message, sizeof message);
    ReportStartFailure(owner, message, error);
    return FALSE;
  }
  if (LaunchWaits(mode)) WaitForProcess(owner, process.process.Get());
  return TRUE;
}

BOOL PreviewSaverInWindow(HWND window, const char* path, bool quiet) {
  if (!path) return FALSE;
  char commandLine[MAX_PATH + 32];
  char failure[MAX_PATH + 64];
  PreviewFailureText(path, failure, sizeof failure);
  return StartDetached(window, PreviewCommandLine(path, HandleNumber(window), commandLine, sizeof commandLine),
                       commandLine, quiet ? nullptr : failure);
}

BOOL ChangeSaverPassword(HWND owner, const char* path) {
  if (!path || GetPlatformKind() == PlatformNT) return FALSE;
  char commandLine[MAX_PATH + 32];
  char failure[MAX_PATH + 64];
  PasswordFailureText(path, failure, sizeof failure);
  return StartDetached(owner, PasswordCommandLine(path, HandleNumber(owner), commandLine, sizeof commandLine),
                       commandLine, failure);
}
