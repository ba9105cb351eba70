// Finding, reading and answering windows of any process.
#ifndef NAPKEY_TESTS_HARNESS_DIALOGS_H
#define NAPKEY_TESTS_HARNESS_DIALOGS_H

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace harness {

std::string WindowText(HWND window);
std::string ClassName(HWND window);

// The lines of a text file; none when it is missing.
std::vector<std::string> ReadLines(const std::string& path);

std::string WindowsFile(const char* name);

// A hidden window standing in for a part of the shell found by class name.
HWND CreateStandInWindow(const char* className, WNDPROC procedure);

DWORD HandleCount();

void PumpFor(DWORD milliseconds);

// Polls (pumping messages) until the predicate holds or the time is up.
bool WaitUntil(const std::function<bool()>& predicate, DWORD timeoutMs);

// Top-level windows of process `pid` (any when 0) and of this class (any when null), visible unless `hiddenToo`.
std::vector<HWND> Windows(DWORD pid, const char* className = nullptr, bool hiddenToo = false);
inline HWND FirstWindow(DWORD pid, const char* className, bool hiddenToo = false) {
  const std::vector<HWND> found = Windows(pid, className, hiddenToo);
  return found.empty() ? nullptr : found.front();
}

// A visible dialog with this caption of process `pid` (any when 0), or null.
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

// The visible one-line labels, check boxes and radios whose text is cut off.
std::vector<std::string> ClippedLabels(HWND dialog);

void PressButton(HWND dialog, int id);

}  // namespace harness

#endif
