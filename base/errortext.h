// Composition of the program's error reports, kept apart from MessageBox so
// that every text can be checked byte for byte.
#ifndef NAPKEY_BASE_ERRORTEXT_H
#define NAPKEY_BASE_ERRORTEXT_H

#include <cstddef>

enum ReportFlags : unsigned {
  ReportPrefix = 1,
  ReportSupport = 2,
  ReportDiagnostics = 4,  // implies ReportSupport
};

extern const char kProgramCaption[];  // "Drowsel/Plus"
extern const char kSupportAddress[];

// Room for any report: the caller's message, the fixed paragraphs and a
// system text; a longer text is cut, never overrun.
constexpr size_t kReportTextSize = 2048;

// The whole message-box text: prefix, message, support paragraph, diagnostics.
// systemText is the system's (or the fallback) text for errorCode; operation
// may be null. Returns the text's length.
size_t ComposeReportText(char* out, size_t size, unsigned flags, const char* message, const char* operation,
                         long errorCode, const char* systemText);

// The program's own text for an error number the system has no text for.
void FallbackErrorText(long errorCode, char* out, size_t size);

#endif
