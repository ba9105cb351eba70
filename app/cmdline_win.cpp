#include "app/cmdline_win.h"

#include "app/cmdline.h"
#include "base/errortext.h"
#include "base/messages.h"
#include "exit/fastexit_win.h"
#include "base/console_win.h"
#include "saver/policy_win.h"
#include "saver/saverstate_win.h"

namespace {

// Sets the flag for this Windows session only: no profile update, no broadcast.
void SetSaverActiveDirectly(bool active) {
  SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, active ? TRUE : FALSE, nullptr, 0);
}

}  // namespace

bool SameWord(const char* text, const char* word) { return lstrcmpiA(text, word) == 0; }

bool OffRefusedByPolicy() {
  if (!ReadSaverPolicy().ForcesOn()) return false;
  TellConsole(kPolicyKeepsSaverOn);
  return true;
}

int RunCommandLine(HWND instanceWindow, const char* commandLine) {
  const bool active = SystemSaverActive();
  const CommandKeyword keyword = MatchCommandKeyword(commandLine, SameWord);
  switch (keyword) {
    case kCommandOn:
    case kCommandOff: {
      const bool wanted = keyword == kCommandOn;
      if (!wanted && OffRefusedByPolicy()) return 1;
      if (active == wanted) {
        // The saver stays off, but until turned on: a timed off there ends.
        if (!wanted && instanceWindow) SendMessageA(instanceWindow, WM_NAPKEY_TIMED_OFF, 0, 0);
        return 0;
      }
      // A running instance toggles its own record, so its bar and icons follow.
      if (instanceWindow)
        SendMessageA(instanceWindow, WM_NAPKEY_TOGGLE_SAVER, wanted ? kEnableSaver : kDisableSaver, 0);
      else
        SetSaverActiveDirectly(wanted);
      return 0;
    }
    case kCommandNow:
      if (instanceWindow)
        SendMessageA(instanceWindow, WM_NAPKEY_START_SAVER, 0, 0);
      else
        SendMessageA(GetDesktopWindow(), WM_SYSCOMMAND, SC_SCREENSAVE, 0);
      return 0;
    case kCommandNone:
      ShowCommandLineHelp();
      return 0;
    default:
      DoFastExit(FastExitActionOf(keyword), instanceWindow);
      return 0;
  }
}

void ShowCommandLineHelp() {
  MessageBoxA(nullptr, kCommandLineHelpText, kProgramCaption, MB_OK | MB_ICONEXCLAMATION | MB_SETFOREGROUND);
}
