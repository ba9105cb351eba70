#ifndef NAPKEY_APP_CMDLINE_WIN_H
#define NAPKEY_APP_CMDLINE_WIN_H

#include <windows.h>

// Compares as the system compares names, letter case and all.
bool SameWord(const char* text, const char* word);

// Acts on one command-line keyword, through the running instance's window
// when there is one, else on the system directly.
void RunCommandLine(HWND instanceWindow, const char* commandLine);
void ShowCommandLineHelp();

#endif
