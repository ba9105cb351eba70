#include "exit/fastexit_win.h"

#include "base/help_win.h"
#include "base/errortext.h"
#include "base/owned_win.h"
#include "base/platform_win.h"
#include "base/report_win.h"
#include "base/process_win.h"
#include "exit/exitrequest_win.h"
#include "exit/exittext.h"
#include "res/resource.h"
#include "settings/options.h"

namespace {

constexpr UINT kExclamation = MB_OK | MB_ICONEXCLAMATION | MB_SETFOREGROUND;

struct ChoiceButton {
  int id;
  int action;
};
const ChoiceButton kChoices[] = {
    {IDC_FAST_EXIT_SHUTDOWN, kFastExitShutdown}, {IDC_FAST_EXIT_REBOOT, kFastExitReboot},
    {IDC_FAST_EXIT_LOGOFF, kFastExitLogoff},     {IDC_FAST_EXIT_RESTART95, kFastExitRestart95},
    {IDC_FAST_EXIT_DOS, kFastExitDos},
};

BOOL OnInitChoiceDialog(HWND dialog) {
  PlaceDialog(dialog);
  if (GetPlatformKind() != PlatformNT) return TRUE;  // focus on the first button, "&Shutdown"
  // Windows NT has neither a Windows 95 restart nor an MS-DOS mode.
  EnableWindow(GetDlgItem(dialog, IDC_FAST_EXIT_RESTART95), FALSE);
  EnableWindow(GetDlgItem(dialog, IDC_FAST_EXIT_DOS), FALSE);
  SetFocus(GetDlgItem(dialog, IDC_FAST_EXIT_LOGOFF));
  return FALSE;
}

BOOL OnChoiceCommand(HWND dialog, int id) {
  if (id == IDCANCEL) {
    EndDialog(dialog, kFastExitAsk);
    return TRUE;
  }
  if (id == IDC_FAST_EXIT_HELP) {
    ShowHelp();
    return TRUE;
  }
  for (const ChoiceButton& choice : kChoices)
    if (choice.id == id) {
      EndDialog(dialog, choice.action);
      return TRUE;
    }
  return FALSE;
}

}  // namespace

INT_PTR CALLBACK FastExitDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: return OnInitChoiceDialog(dialog);
    case WM_COMMAND: return OnChoiceCommand(dialog, LOWORD(wParam));
    default: return FALSE;
  }
}

INT_PTR RunFastExitDialog(HWND owner) {
  return DialogBoxParamA(g_instance, MAKEINTRESOURCEA(IDD_FAST_EXIT), owner, FastExitDlgProc, 0);
}

void DoFastExit(int action, HWND owner) {
  switch (action) {
    case kFastExitRestart95: RestartWindows95(owner); break;
    case kFastExitReboot: ExitWindowsWith(EWX_REBOOT, owner); break;
    case kFastExitLogoff: ExitWindowsWith(EWX_LOGOFF, owner); break;
    case kFastExitShutdown: ExitWindowsWith(EWX_SHUTDOWN, owner); break;
    case kFastExitDos: ExitToDos(owner); break;
    default: break;
  }
}

// Never EWX_FORCE: applications are asked to close, and may refuse.
void ExitWindowsWith(UINT flags, HWND owner) {
  const bool nt = GetPlatformKind() == PlatformNT;
  if (nt && (flags == EWX_SHUTDOWN || flags == EWX_REBOOT) && !EnableShutdownPrivilege()) {
    MessageBoxA(owner, "Could not obtain privilege to shut down Windows NT", kProgramCaption, kExclamation);
    return;
  }
  if (!RequestWindowsExit(flags)) return;
  // Windows 95 does not close this program for us before it ends.
  if (GetPlatformKind() == PlatformWin95 && owner) PostMessageA(owner, WM_CLOSE, 0, 0);
}

BOOL EnableShutdownPrivilege() {
  HANDLE opened = nullptr;
  if (!OpenOwnProcessToken(TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &opened)) return FALSE;
  const OwnedHandle token(opened);
  TOKEN_PRIVILEGES privileges;
  ZeroMemory(&privileges, sizeof privileges);
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  BOOL ok = LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid);
  // AdjustTokenPrivileges also "succeeds" for a user who does not hold the
  // privilege at all; only ERROR_SUCCESS means it is enabled now.
  if (ok)
    ok = AdjustTokenPrivileges(token.Get(), FALSE, &privileges, 0, nullptr, nullptr) && GetLastError() == ERROR_SUCCESS;
  return ok;
}

void RestartWindows95(HWND owner) {
  const UINT result = WinExec("NAPRST16.EXE Restart", SW_HIDE);
  if (result >= kWinExecSuccess) return;
  MessageBoxA(owner, RestartFailureText(result), "Cannot Restart Windows 95", kExclamation);
}

void ExitToDos(HWND owner) {
  const UINT result = WinExec("\"Exit To DOS.PIF\"", SW_HIDE);
  if (result >= kWinExecSuccess) return;
  if (result == ERROR_FILE_NOT_FOUND) {
    MessageBoxA(owner, kExitToDosExplanation, kProgramCaption, kExclamation);
    return;
  }
  char text[128];
  ExitToDosFailureText(result, text, sizeof text);
  ReportError(owner, ReportPrefix | ReportSupport, MB_ICONEXCLAMATION, text, nullptr, 0);
}
