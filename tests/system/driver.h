// Drives the real napkey.exe from a test running in the same Wine prefix:
// a known system state before each start, the process itself, and what it
// leaves in napkey.ini.
#ifndef NAPKEY_TESTS_SYSTEM_DRIVER_H
#define NAPKEY_TESTS_SYSTEM_DRIVER_H

#include <windows.h>

#include <string>

#include "dialogs.h"

namespace driver {

// Path of the napkey.exe under test (first non-gtest argument).
const std::string& NapkeyExe();
void SetNapkeyExe(const std::string& path);

// The Windows version Wine reports to napkey.exe: "win95", "nt40", "win10",
// and, for the old shell without taskbar icons, "win31" (Win32s 3.10) and
// "nt351" (NT 3.51).
void SetWindowsVersion(const char* mode);
// The platform level napkey.exe sees in that mode: 3 for the old shell, else 4 or more.
int LevelOf(const char* mode);

// A known state: no napkey running, no napkey.ini (or the given contents),
// no saver selected in system.ini, the saver flag enabled.
void ResetSystem(const char* mode, const char* iniContents = nullptr);

std::string IniPath();
bool IniHas(const char* section, const char* key);
int IniInt(const char* section, const char* key, int fallback);
// The first start of the program is over once this key is there.
void MarkStartedBefore();

bool SystemSaverActive();

class Napkey {
 public:
  Napkey() = default;
  ~Napkey();
  Napkey(const Napkey&) = delete;
  Napkey& operator=(const Napkey&) = delete;

  bool Start(const char* arguments = "");
  // The main window (class "Napkey") of this process; null when none came.
  HWND WaitMainWindow(DWORD timeoutMs = 10000);
  // Exit code once the process ended; STILL_ACTIVE when it did not in time.
  DWORD WaitExit(DWORD timeoutMs = 10000);
  bool Running() const;
  DWORD Pid() const { return pid; }
  HWND MainWindow() const { return mainWindow; }
  // The "E&xit Drowsel/Plus" menu command; true when the process ended with 0.
  bool ExitThroughMenu();
  // Answers the Quick Help of a first start with "&No".
  bool DismissQuickHelp(DWORD timeoutMs = 10000);

 private:
  HANDLE process = nullptr;
  DWORD pid = 0;
  HWND mainWindow = nullptr;
};

}  // namespace driver

#endif
