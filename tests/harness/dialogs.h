// Finding, reading and answering windows from a test, in the test's process
// or in another one (Wine keeps window handles valid across processes, as
// Windows does).
#ifndef NAPKEY_TESTS_HARNESS_DIALOGS_H
#define NAPKEY_TESTS_HARNESS_DIALOGS_H

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace harness {

std::string WindowText(HWND window);
std::string ClassName(HWND window);

// The lines of a text file (a fixture's log), without line ends; none when
// the file is missing.
std::vector<std::string> ReadLines(const std::string& path);

// In the Windows directory, where bare profile names and the search path lead.
std::string WindowsFile(const char* name);

// A hidden window of a class registered here, standing in for a part of the
// shell that the program under test talks to by class name.
HWND CreateStandInWindow(const char* className, WNDPROC procedure);

// The kernel handles this process holds.
DWORD HandleCount();

// Pumps this thread's messages for the given time.
void PumpFor(DWORD milliseconds);

// Polls (pumping messages) until the predicate holds or the time is up.
bool WaitUntil(const std::function<bool()>& predicate, DWORD timeoutMs);

// Visible top-level windows of a process (any process when pid is 0).
std::vector<HWND> TopLevelWindows(DWORD pid);

// Top-level windows of a class, visible or not, of any process.
std::vector<HWND> WindowsOfClass(const char* className);

// A visible dialog (class "#32770") with this caption, of the given process
// (any when pid is 0); null when none. Waits up to timeoutMs.
HWND WaitForDialog(const char* caption, DWORD pid, DWORD timeoutMs);

// What a message box shows.
struct MessageBoxInfo {
  HWND window = nullptr;
  HWND owner = nullptr;
  std::string caption;
  std::string text;
  int defaultButton = 0;  // id of the default push button
  bool hasIcon = false;
};
MessageBoxInfo ReadMessageBox(HWND box);

// The texts of a dialog's visible one-line labels, check boxes and radio
// buttons that are wider than their control and so are cut off.
std::vector<std::string> ClippedLabels(HWND dialog);

// Presses a dialog button by id as a click would (BN_CLICKED to the dialog).
void PressButton(HWND dialog, int id);

// Answers the next message box of this process from a helper thread: waits
// for it, records what it shows, presses `answer`. For code under test that
// blocks in MessageBox on the test's own thread.
class MessageBoxAnswerer {
 public:
  explicit MessageBoxAnswerer(int answer, DWORD timeoutMs = 10000);
  ~MessageBoxAnswerer();
  // Waits for the helper thread; true when a box was seen and answered.
  bool Join();
  const MessageBoxInfo& Seen() const { return seen; }

 private:
  static DWORD WINAPI Run(void* self);
  int answer;
  DWORD timeoutMs;
  DWORD pid;
  HANDLE thread = nullptr;
  bool answered = false;
  MessageBoxInfo seen;
};

}  // namespace harness

#endif
