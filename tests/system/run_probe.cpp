// Used by `make run` without a display: starts napkey.exe, says "ready" once
// there is something to photograph, waits until the screenshot is taken,
// answers the Quick Help if it is open and ends the program through its own
// Exit command.
//   napkey_run_probe shoot NAPKEY.EXE DONE-FILE
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "dialogs.h"
#include "driver.h"

int main(int argc, char** argv) {
  if (argc < 4 || strcmp(argv[1], "shoot") != 0) {
    std::fprintf(stderr, "usage: napkey_run_probe shoot NAPKEY.EXE DONE-FILE\n");
    return 2;
  }
  driver::SetPaths(argv[2], std::string());
  driver::Napkey napkey;
  if (!napkey.Start()) return 1;
  if (!napkey.WaitMainWindow(20000)) {
    std::printf("napkey.exe made no main window\n");
    return 1;
  }
  // A first start opens the Quick Help right after the main window exists.
  HWND welcome = harness::WaitForDialog("Welcome to Drowsel/Plus!", napkey.Pid(), 1500);
  // Let the windows paint before the screen is photographed.
  HWND shown = welcome ? welcome : napkey.MainWindow();
  RedrawWindow(shown, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  harness::PumpFor(700);
  std::printf("ready: %s\n", welcome ? "Quick Help is open" : "no Quick Help (not a first start)");
  std::fflush(stdout);
  harness::WaitUntil([&] { return GetFileAttributesA(argv[3]) != INVALID_FILE_ATTRIBUTES; }, 30000);
  if (welcome) harness::PressButton(welcome, IDCANCEL);
  if (!napkey.ExitThroughMenu()) {
    std::printf("napkey.exe did not end through its Exit command\n");
    return 1;
  }
  std::printf("napkey.exe ended with 0\n");
  return 0;
}
