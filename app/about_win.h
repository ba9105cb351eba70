// The About box, Quick Help and the connection to the help file.
#ifndef NAPKEY_APP_ABOUT_WIN_H
#define NAPKEY_APP_ABOUT_WIN_H

#include <windows.h>

// Help context numbers of the help file's topics.
enum HelpContext : DWORD {
  kHelpFastExitPage = 0,
  kHelpGeneral = 3,
  kHelpCustomize = 4,
  kHelpButtonBarPage = 5,
  kHelpTaskbarIconsPage = 6,
  kHelpHotKeysPage = 8,
  kHelpSaverProperties = 12,
  kHelpFastExitChoice = 23,
  kHelpNone = 0xFFFFFFFF,
};

INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK WelcomeDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

const char* GetHelpFilePath();
void SetHelpContext(DWORD context);
void ShowHelp();
void ShowHelpTopic(DWORD context);
void CloseHelp();

#endif
