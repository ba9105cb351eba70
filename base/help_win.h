// The connection to the help file: one topic at a time, shown over the main
// window and closed with the program.
#ifndef NAPKEY_BASE_HELP_WIN_H
#define NAPKEY_BASE_HELP_WIN_H

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

const char* GetHelpFilePath();
void SetHelpContext(DWORD context);
void ShowHelp();
void ShowHelpTopic(DWORD context);
void CloseHelp();

#endif
