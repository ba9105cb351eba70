// Stands in for the notification area: Shell_NotifyIcon hands each request
// to the "Shell_TrayWnd" window as WM_COPYDATA (in Wine's layout, see Parse).
#ifndef NAPKEY_TESTS_HARNESS_FAKETRAY_H
#define NAPKEY_TESTS_HARNESS_FAKETRAY_H

#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace harness {

struct TrayIcon {
  HWND owner = nullptr;
  UINT callback = 0;
  std::string tip;
};

class FakeTray {
 public:
  FakeTray();
  ~FakeTray();
  FakeTray(const FakeTray&) = delete;
  FakeTray& operator=(const FakeTray&) = delete;

  bool Ok() const { return window != nullptr; }
  // Icons now shown, by id.
  const std::map<UINT, TrayIcon>& Icons() const { return icons; }
  bool Has(UINT id) const { return icons.count(id) != 0; }
  std::string Tip(UINT id) const;
  // Requests seen, as "ADD 22766", "MODIFY 22766", "DELETE 22767".
  const std::vector<std::string>& Requests() const { return requests; }
  void ClearRequests() { requests.clear(); }
  // Tells every program the taskbar was re-created, as a restarted shell does.
  void AnnounceRestart();

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void OnCopyData(const COPYDATASTRUCT* data);

  HWND window = nullptr;
  std::map<UINT, TrayIcon> icons;
  std::vector<std::string> requests;
};

}  // namespace harness

#endif
