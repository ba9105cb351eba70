#include "app/cmdline_win.h"

#include "app/cmdline.h"
#include "app/errortext.h"

void RunCommandLine(HWND instanceWindow, const char* commandLine) {
  (void)instanceWindow;
  (void)commandLine;
  // TODO(RunCommandLine): the keywords (on, off, now, logoff, restart, reboot,
  // shutdown, dos) are not acted on yet; every argument gets the help box.
  ShowCommandLineHelp();
}

void ShowCommandLineHelp() {
  MessageBoxA(nullptr, kCommandLineHelpText, kProgramCaption, MB_OK | MB_ICONEXCLAMATION | MB_SETFOREGROUND);
}
