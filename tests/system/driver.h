// Drives the real napkey.exe from a test running in the same Wine prefix:
// a known system state before each start, the process itself, and what it
// leaves in napkey.ini.
#ifndef NAPKEY_TESTS_SYSTEM_DRIVER_H
#define NAPKEY_TESTS_SYSTEM_DRIVER_H

#include <windows.h>

#include <string>
#include <vector>

#include "dialogs.h"

namespace driver {

// Path of the napkey.exe under test (first non-gtest argument) and of the
// folder of test programs (second argument).
const std::string& NapkeyExe();
void SetNapkeyExe(const std::string& path);
const std::string& FixturesDir();
void SetFixturesDir(const std::string& path);
// napkey.exe built with the session-ending calls recorded (see exitrecorder.cpp).
std::string RecordingNapkeyExe();
std::string FixturePath(const char* name);

// The logging test saver, selected in system.ini [boot] SCRNSAVE.EXE.
std::string TestSaverPath();
void SelectSaverInSystemIni(const char* value);  // null removes the entry
std::string SaverInSystemIni();
// Lines a fixture wrote to its log (fixtures dir or the given folder).
std::vector<std::string> ReadLog(const std::string& path);
// Closes every window of the test saver.
void CloseTestSavers();

// The focused control of the thread that owns `window`.
HWND FocusOfThread(HWND window);

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

// Starts a program; 0 or the error of the last attempt.
DWORD StartProcess(std::string commandLine, PROCESS_INFORMATION* info);

// The saver flag as a newly started process sees it (under Wine a running
// process, this one included, keeps a cached copy until a broadcast).
bool SystemSaverActive();
// Sends a message and returns soon, while the receiver may still be busy
// with it (for messages that cannot be posted, such as WM_SETTINGCHANGE, whose
// handling opens a message box).
void SendWithoutWaiting(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Sets the saver flag from this long-running process, so that it reaches the
// display too (see SetSaverFlag in driver.cpp).
void SetSaverFlag(bool active);
// Announces a settings change to every window, as Control Panel does.
void BroadcastSettingChange();

class Napkey {
 public:
  Napkey() = default;
  ~Napkey();
  Napkey(const Napkey&) = delete;
  Napkey& operator=(const Napkey&) = delete;

  bool Start(const char* arguments = "", const std::string& exe = std::string());
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
