// The one way program errors reach the user.
#ifndef NAPKEY_BASE_REPORT_WIN_H
#define NAPKEY_BASE_REPORT_WIN_H

#include <windows.h>

#include "base/errortext.h"

// The text for one system error number: the system's own when it has one,
// else the program's fallback text.
class SystemErrorText {
 public:
  SystemErrorText() = default;
  ~SystemErrorText() { Clear(); }
  SystemErrorText(const SystemErrorText&) = delete;
  SystemErrorText& operator=(const SystemErrorText&) = delete;

  void Load(DWORD errorCode);
  const char* Text() const { return systemText ? systemText : ownText; }
  void Clear();

 private:
  char* ownText = nullptr;     // 256 bytes of our own, for the fallback texts
  char* systemText = nullptr;  // allocated by FormatMessage, freed with LocalFree
};

// Shows a composed error text (see ComposeReportText). errorCode 0 with
// ReportDiagnostics stands for the thread's last error. Returns the box result.
int ReportError(HWND owner, unsigned flags, UINT style, const char* message, const char* operation,
                DWORD errorCode);

#endif
