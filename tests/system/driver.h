// Drives the real napkey.exe from a test running in the same Wine prefix:
// a known system state before each start, the process itself, what it shows
// and what it leaves in napkey.ini, system.ini and the saver flag.
#ifndef NAPKEY_TESTS_SYSTEM_DRIVER_H
#define NAPKEY_TESTS_SYSTEM_DRIVER_H

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/messages.h"
#include "dialogs.h"
#include "msgspy.h"
#include "res/resource.h"

namespace driver {

// napkey.exe under test, and the folder of the test programs.
void SetPaths(const std::string& napkeyExe, const std::string& fixturesDir);
std::string FixturePath(const char* name);
std::string NapkeyPath();  // napkey.exe under test
using harness::WindowsFile;
std::string TestSaverPath();

// system.ini [boot] SCRNSAVE.EXE; null removes the entry.
void SelectSaverInSystemIni(const char* value);
std::string SaverInSystemIni();
std::vector<std::string> SaverLog();
// Lines of the Fast Exit recorder: "ExitWindowsEx 0x<flags>".
std::vector<std::string> ExitRequests();
// Copies the saver fixtures into the Windows directory (the logging test
// saver also into the System directory), where the program's catalogue looks;
// two of them are cut short inside their sections.
void InstallSavers();
void RemoveSavers();
std::string SystemFile(const char* name);
// Processes of this executable name now running.
int RunningProcesses(const char* exeName);
// Closes every test saver window and waits until none is left.
void CloseTestSavers();

// The platform level napkey.exe sees in a Wine version mode: 3 for the old
// shells ("win31" is Win32s 3.10, "nt351" NT 3.51), else 4 or more.
int LevelOf(const std::string& mode);

// A known state: no napkey running, napkey.ini absent (or these contents)
// with an earlier start recorded unless `firstStart`, no saver selected,
// the saver flag enabled, no leftovers of earlier tests.
void ResetSystem(const char* mode, const char* iniContents = nullptr, bool firstStart = false);

bool IniHas(const char* section, const char* key);
int IniInt(const char* section, const char* key);  // -9 when absent

// The saver flag as a newly started process sees it (under Wine a running
// process keeps a cached copy until a broadcast).
bool SystemSaverActive();
// Sets the flag from this long-running process, so that it reaches the display.
void SetSaverFlag(bool active);
// Sets the flag and announces it to every window, as Control Panel does;
// returns once every window has handled the announcement.
void AnotherProgramSetsSaverFlag(bool active);

class Napkey {
 public:
  Napkey() = default;
  ~Napkey() { Release(); }
  Napkey(const Napkey&) = delete;
  Napkey& operator=(const Napkey&) = delete;

  bool Start(const char* arguments = "", const std::string& exe = std::string());
  // The main window of this process once it waits in its message loop; null
  // when none came.
  HWND WaitMainWindow(DWORD timeoutMs = 20000);
  // Exit code once the process ended; STILL_ACTIVE when it did not in time.
  DWORD WaitExit(DWORD timeoutMs = 20000);
  bool Running() const;
  DWORD Pid() const { return pid; }
  HWND MainWindow() const { return mainWindow; }
  // The "E&xit Drowsel/Plus" command; true when the process ended with 0.
  bool ExitThroughMenu();

 private:
  void Release();  // ends a process still running
  HANDLE process = nullptr;
  DWORD pid = 0;
  HWND mainWindow = nullptr;
};

// Runs napkey.exe with `arguments` to its end, answering a command-line help
// box if one comes. Returns the exit code; *help (when given) tells whether
// the box came.
DWORD RunCommand(const char* arguments, bool* help = nullptr, const std::string& exe = std::string());

// Start flags of SystemTest::Start.
// kWithSaver selects the test saver, kMissingSaver one that is not there;
// kRecording starts the napkey.exe that records its exit requests;
// kKeepState starts without resetting the system first.
enum : unsigned { kFirstStart = 1, kWithSaver = 2, kMissingSaver = 4, kRecording = 8, kKeepState = 16 };

// Makes the exit recorder refuse: "exit" (the request) or "privilege".
void RefuseInRecorder(const char* what);
// The visible top-level window of this class of process `pid`, or null.
HWND WindowOfClass(DWORD pid, const char* className);

// One program under test per test, started from a known state and ended
// and cleaned up whatever the test's outcome.
class SystemTest : public ::testing::Test {
 protected:
  void TearDown() override;
  virtual std::string Mode() const { return "win95"; }
  bool Nt() const { return Mode() != "win95" && Mode() != "win31"; }
  // Resets the system (with these napkey.ini contents) and starts napkey.exe;
  // the main window, or null with a failure recorded.
  HWND Start(const char* ini = nullptr, unsigned flags = 0);
  // Waits for the started program's main window and watches it.
  HWND Attach();
  // The program's visible dialog or message box with this caption.
  HWND Dialog(const char* caption);
  harness::MessageBoxInfo Box(const char* caption = "Drowsel/Plus");
  // Presses a button of the program's dialog and waits until it is gone.
  void Answer(HWND dialog, int id);
  // Reads the program's next popup menu, opened through its message unless
  // the test opened it itself, and closes it with Esc, as a user would.
  std::vector<harness::SpiedMenuItem> Menu(bool post = true);
  // Round trip through the program's message loop: true when the main
  // window still exists and everything sent or posted before was handled.
  bool Alive();
  bool Exit() { return napkey.ExitThroughMenu(); }
  void Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) { PostMessageA(main, message, wParam, lParam); }
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) { return SendMessageA(main, message, wParam, lParam); }
  HWND Button(int id) const { return GetDlgItem(main, id); }
  // A click as a user gives it: the button goes up once the control holds
  // the mouse (or has the focus), and has been handled when it lets go.
  void Click(HWND control, int dx = 0);

  // Ctrl+Alt+`key` (xdotool's name) pressed on the X server (see
  // harness::HostKeys) once the program has settled: a window it is still
  // closing can take the X focus back from the test's key window, and the
  // keys are then lost.
  void PressCtrlAlt(const std::string& key);

  // Counts what the program receives, from Start on.
  int Count(UINT message) const { return spy ? spy->Count(message) : -1; }
  bool WaitCount(UINT message, int count) {
    return harness::WaitUntil([&] { return Count(message) >= count; }, 20000) && Count(message) == count;
  }

  Napkey napkey;
  HWND main = nullptr;
  std::unique_ptr<harness::MessageSpy> spy;
};

// The same, once in each Wine version mode given as the parameter.
class ModeTest : public SystemTest, public ::testing::WithParamInterface<const char*> {
 protected:
  std::string Mode() const override { return GetParam(); }
};

}  // namespace driver

#endif
