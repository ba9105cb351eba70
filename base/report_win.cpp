#include "base/report_win.h"

#include <cstdint>

namespace {
constexpr size_t kOwnTextSize = 256;
}

void SystemErrorText::Clear() {
  systemText.Reset();
  ownText.reset();
}

void SystemErrorText::Load(DWORD errorCode) {
  Clear();
  char* text = nullptr;
  // Without IGNORE_INSERTS a text with a place holder ("%1 is not a valid
  // Win32 application.") comes back as no text at all.
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                          FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, errorCode,
                                      MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<char*>(&text), 0,
                                      nullptr);
  systemText.Reset(text);
  if (length != 0 && systemText.Ok()) return;
  systemText.Reset();  // a buffer without text is no text
  ownText.reset(new char[kOwnTextSize]);
  if (ownText) FallbackErrorText(static_cast<int32_t>(errorCode), ownText.get(), kOwnTextSize);
}

int ReportError(HWND owner, unsigned flags, UINT style, const char* message, const char* operation,
                DWORD errorCode) {
  // The last error must be read before any other call can change it.
  if (errorCode == 0 && (flags & ReportDiagnostics)) errorCode = GetLastError();
  SystemErrorText systemText;
  if (flags & ReportDiagnostics) systemText.Load(errorCode);
  char text[kReportTextSize];
  ComposeReportText(text, sizeof text, flags, message, operation, static_cast<int32_t>(errorCode),
                    systemText.Text());
  return MessageBoxA(owner, text, kProgramCaption, style | MB_SETFOREGROUND);
}
