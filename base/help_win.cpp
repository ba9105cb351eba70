#include "base/help_win.h"

#include <memory>

#include "base/helppath.h"
#include "base/process_win.h"

namespace {

std::unique_ptr<char[]> g_helpPath;
DWORD g_helpContext = kHelpNone;
bool g_helpShown = false;

}  // namespace

const char* GetHelpFilePath() {
  if (!g_helpPath) {
    g_helpPath.reset(new char[MAX_PATH + 1]);
    char modulePath[MAX_PATH + 1];
    const DWORD length = GetModuleFileNameA(nullptr, modulePath, MAX_PATH);
    // A path cut at the buffer's end is no usable directory.
    const bool known = length > 0 && length < MAX_PATH;
    if (known) modulePath[length] = '\0';
    ComposeHelpPath(known ? modulePath : nullptr, g_helpPath.get(), MAX_PATH + 1);
  }
  return g_helpPath.get();
}

void SetHelpContext(DWORD context) { g_helpContext = context; }

void ShowHelp() {
  const BOOL shown = g_helpContext != kHelpNone
                         ? WinHelpA(g_mainWindow, GetHelpFilePath(), HELP_CONTEXT, g_helpContext)
                         : WinHelpA(g_mainWindow, GetHelpFilePath(), HELP_CONTENTS, 0);
  if (shown) g_helpShown = true;
}

void ShowHelpTopic(DWORD context) {
  SetHelpContext(context);
  ShowHelp();
}

void CloseHelp() {
  if (g_helpShown) {
    WinHelpA(g_mainWindow, GetHelpFilePath(), HELP_QUIT, 0);
    g_helpShown = false;
  }
  g_helpPath.reset();
}
