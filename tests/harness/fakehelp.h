// Stands in for the help viewer: WinHelp hands each request to the window of
// class "MS_WINHELP" as WM_COPYDATA (and starts the viewer only when there is
// none); this window takes that role in the test process and records the
// requests. The record's layout is WinHelp's own (see Proc).
#ifndef NAPKEY_TESTS_HARNESS_FAKEHELP_H
#define NAPKEY_TESTS_HARNESS_FAKEHELP_H

#include <windows.h>

#include <string>
#include <vector>

namespace harness {

class FakeHelp {
 public:
  FakeHelp();
  ~FakeHelp();
  FakeHelp(const FakeHelp&) = delete;
  FakeHelp& operator=(const FakeHelp&) = delete;
  // The help file named by each request.
  const std::vector<std::string>& Files() const { return files; }

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND window = nullptr;
  std::vector<std::string> files;
};

}  // namespace harness

#endif
