#include "base/errortext.h"

#include "base/textbuf.h"

const char kProgramCaption[] = "Drowsel/Plus";
const char kSupportAddress[] = "support@napkey.example";

namespace {

struct NetworkErrorText {
  long code;
  const char* text;
};

// LAN Manager errors that old systems have no message text for.
const NetworkErrorText kNetworkErrors[] = {
    {2102, "The workstation driver is not installed."},
    {2103, "The server could not be located."},
    {2106, "This operation is not supported on workstations."},
    {2107, "The device is not connected."},
    {2114, "The Server service is not started."},
    {2115, "The queue is empty."},
    {2116, "The device or directory does not exist."},
    {2117, "The operation is invalid on a redirected resource."},
    {2127, "A remote API error occurred."},
    {2136, "A general network error occurred."},
    {2137, "The Workstation service is in an inconsistent state.  Restart the computer before restarting the "
           "Workstation service."},
    {2138, "The Workstation service has not been started."},
    {2139, "The requested information is not available."},
    {2142, "The requested API is not supported on the remote server."},
    {2201, "The workstation is not logged on to the local-area network."},
    {2202, "The user name or group name parameter is invalid."},
    {2203, "The password parameter is invalid."},
    {2310, "The shared resource does not exist."},
    {2311, "The device is not shared."},
    {2315, "A failure occurred when executing a remote administration command."},
    {2316, "A failure occurred when opening a remote temporary file."},
    {2351, "The computer name is invalid."},
};

}  // namespace

void FallbackErrorText(long errorCode, char* out, size_t size) {
  TextBuilder text(out, size);
  for (const NetworkErrorText& entry : kNetworkErrors)
    if (entry.code == errorCode) {
      text.Append(entry.text);
      return;
    }
  if (errorCode >= 2100 && errorCode < 3000)
    text.Append("Network error # ").AppendNumber(errorCode);
  else
    text.Append("Error # ").AppendNumber(errorCode);
}

size_t ComposeReportText(char* out, size_t size, unsigned flags, const char* message, const char* operation,
                         long errorCode, const char* systemText) {
  if (flags & ReportDiagnostics) flags |= ReportSupport;
  TextBuilder text(out, size);
  if (flags & ReportPrefix) text.Append("Program Error:  ");
  text.Append(message);
  if (flags & ReportSupport) {
    text.Append("\n\nPlease report this problem to QRT Technical Support at e-mail address  ");
    text.Append(kSupportAddress);
    text.Append(" .\n");
  }
  if (flags & ReportDiagnostics) {
    text.Append("Please also provide the following diagnostic information:\n\n");
    text.Append(operation ? operation : "(unknown)");
    text.Append(" failed; error # ").AppendNumber(errorCode).Append(":\n");
    text.Append(systemText);
  }
  return text.Length();
}
