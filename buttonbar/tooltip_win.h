// The bar's own tooltips: a yellow one-line popup below (or above) the button
// the mouse has rested on for a second.
#ifndef NAPKEY_BUTTONBAR_TOOLTIP_WIN_H
#define NAPKEY_BUTTONBAR_TOOLTIP_WIN_H

#include <windows.h>

#include <memory>

class Tooltip {
 public:
  Tooltip() = default;
  ~Tooltip() { KillTimer(); }
  Tooltip(const Tooltip&) = delete;
  Tooltip& operator=(const Tooltip&) = delete;

  // Serves the bar window and its buttons, which find it through the window.
  void Attach(HWND barWindow);
  static Tooltip* Of(HWND barWindow);

  // The pointer rests on `target` (the bar itself when `text` is null).
  int Track(HWND target, const char* text);
  void Hide();
  // Returns the previous setting; disabling hides any tooltip.
  int Enable(int enable);

 private:
  static void CALLBACK OnTimer(HWND window, UINT, UINT_PTR, DWORD);
  void Tick();
  bool SetTarget(HWND target, const char* text);
  bool ShowWindowFor(bool create);
  void KillTimer();
  bool CursorOverTarget() const;
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND bar = nullptr;
  HWND window = nullptr;
  HWND target = nullptr;
  std::unique_ptr<char[]> text;  // the target's, with a blank either side
  int enabled = 0;
  UINT_PTR timer = 0;
  bool classFailed = false;
};

#endif
