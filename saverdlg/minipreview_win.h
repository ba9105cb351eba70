// A resizable window beside the Screen Saver Properties dialog in which the
// chosen saver runs in preview mode, or is shown by its icon when it cannot.
#ifndef NAPKEY_SAVERDLG_MINIPREVIEW_WIN_H
#define NAPKEY_SAVERDLG_MINIPREVIEW_WIN_H

#include <windows.h>

#include <cstdint>

#include "base/owned_win.h"

struct SaverEntry;

extern const char kMiniPreviewClass[];  // "QRT_SSPreview"

class MiniPreview {
 public:
  // Creates the window beside `owner`; on failure `window` stays null and
  // every operation does nothing.
  explicit MiniPreview(HWND owner);
  ~MiniPreview();
  MiniPreview(const MiniPreview&) = delete;
  MiniPreview& operator=(const MiniPreview&) = delete;

  // 1 once `entry` is shown (live, or by its icon); 0 without a window or saver.
  // `quiet`: a live preview that cannot start says nothing.
  int Show(SaverEntry* entry, bool quiet = false);
  int Refresh() { return Show(saver); }
  // Ends the saver's preview and resets the title; the saver stays stored.
  int Clear();
  void Destroy();

  HWND window = nullptr;
  SaverEntry* saver = nullptr;  // the catalogue's, not owned
  int32_t frameExtraWidth = 0;
  int32_t frameExtraHeight = 0;
  BOOL iconMode = FALSE;
  BOOL saverShown = FALSE;
  OwnedIcon icon;
  BOOL resizeTimerPending = FALSE;
};

BOOL RegisterMiniPreviewClass();
LRESULT CALLBACK MiniPreviewWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

#endif
