#ifndef NAPKEY_APP_CMDLINE_WIN_H
#define NAPKEY_APP_CMDLINE_WIN_H

#include <windows.h>

// Compares as the system compares names, letter case and all.
bool SameWord(const char* text, const char* word);

// Acts on one command-line keyword, through the running instance's window
// when there is one, else on the system directly. The exit code: 1 when an
// off is refused because a policy keeps the saver on, else 0.
int RunCommandLine(HWND instanceWindow, const char* commandLine);
// The same refusal for an off for a while: true when refused (and said).
bool OffRefusedByPolicy();
void ShowCommandLineHelp();

#endif
