// The Screen Saver Properties dialog, and the "Misc" settings it keeps.
#ifndef NAPKEY_SAVERDLG_PROPS_WIN_H
#define NAPKEY_SAVERDLG_PROPS_WIN_H

#include <windows.h>

#include <cstdint>

struct SaverEntry;

// Section "Misc" of napkey.ini.
struct MiscSettings {
  int32_t delayInSeconds = 1;          // 1: the delay is shown in seconds, 0: in minutes
  int32_t disablePreviewPassword = 1;  // always 1 on Windows NT
  int32_t showMiniPreview = 1;

  void Load();
  // All three keys, in this order.
  void Save() const;
  void SetDisablePreviewPassword(int32_t flag);  // ignored on Windows NT
};

INT_PTR CALLBACK SaverPropsDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Modal to `owner`: 1 after OK, 0 after Cancel.
INT_PTR RunSaverPropertiesDialog(HWND owner);

// Enables and shows the password controls for `entry` (null: none chosen).
void UpdatePasswordControls(HWND dialog, const SaverEntry* entry);

// Drives the dialog's mini preview: cleared before any change, created beside
// the dialog when wanted, destroyed when not. `quiet`: the saver has just
// failed to start and said so; its preview failing too says nothing more.
void UpdateMiniPreview(HWND dialog, SaverEntry* entry, bool show, bool quiet = false);

#endif
