// The one way program errors reach the user.
#ifndef NAPKEY_BASE_REPORT_WIN_H
#define NAPKEY_BASE_REPORT_WIN_H

#include <windows.h>

#include <memory>

#include "base/errortext.h"
#include "base/owned_win.h"

// The text for one system error number: the system's own when it has one,
// else the program's fallback text.
class SystemErrorText {
 public:
  void Load(DWORD errorCode);
  const char* Text() const { return systemText.Ok() ? systemText.Get() : ownText.get(); }
  void Clear();

 private:
  std::unique_ptr<char[]> ownText;  // 256 bytes of our own, for the fallback texts
  OwnedLocalText systemText;        // allocated by FormatMessage
};

// Shows a composed error text (see ComposeReportText). errorCode 0 with
// ReportDiagnostics stands for the thread's last error. Returns the box result.
int ReportError(HWND owner, unsigned flags, UINT style, const char* message, const char* operation,
                DWORD errorCode);

#endif
