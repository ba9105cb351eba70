// Reads the popup menus another process opens. A window-procedure hook DLL
// (menuspy.dll) is loaded into that process by the system; when a popup is
// about to show (WM_INITMENUPOPUP) it copies every item's id, state and text
// into shared memory, where the test reads them. Menus cannot be read across
// processes under Wine, so this is how a test sees what the user would see.
#ifndef NAPKEY_TESTS_HARNESS_MENUSPY_H
#define NAPKEY_TESTS_HARNESS_MENUSPY_H

#include <windows.h>

#include <string>
#include <vector>

namespace harness {

struct SpiedMenuItem {
  UINT id = 0;
  UINT state = 0;  // GetMenuState flags: MF_GRAYED, MF_DISABLED, MF_SEPARATOR...
  std::string text;
};

class MenuSpy {
 public:
  // Hooks the thread that owns `window` (in any process).
  explicit MenuSpy(HWND window);
  ~MenuSpy();
  MenuSpy(const MenuSpy&) = delete;
  MenuSpy& operator=(const MenuSpy&) = delete;

  bool Ok() const { return hook != nullptr && view != nullptr; }
  // Waits for the next popup opened after the previous call.
  bool WaitForPopup(DWORD timeoutMs, std::vector<SpiedMenuItem>* items);

 private:
  HMODULE module = nullptr;
  HHOOK hook = nullptr;
  HANDLE mapping = nullptr;
  char* view = nullptr;
  LONG seen = 0;
};

}  // namespace harness

#endif
