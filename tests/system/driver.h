// Drives the real napkey.exe from a test in the same Wine prefix.
#ifndef NAPKEY_TESTS_SYSTEM_DRIVER_H
#define NAPKEY_TESTS_SYSTEM_DRIVER_H

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/messages.h"
#include "dialogs.h"
#include "msgspy.h"
#include "res/resource.h"

namespace driver {

void SetPaths(const std::string& napkeyExe, const std::string& fixturesDir);
std::string FixturePath(const char* name);
std::string NapkeyPath();  // napkey.exe under test
using harness::WindowsFile;
std::string TestSaverPath();

// system.ini [boot] SCRNSAVE.EXE; null removes it.
void SelectSaverInSystemIni(const char* value);
std::string SaverInSystemIni();
std::vector<std::string> SaverLog();
// Lines of the recorder: "ExitWindowsEx 0x<flags>", "SetThreadExecutionState 0x<flags>".
std::vector<std::string> ExitRequests();
// The saver fixtures, into the Windows (and System) directory.
void InstallSavers();
void RemoveSavers();
std::string SystemFile(const char* name);
int RunningProcesses(const char* exeName);
void CloseTestSavers();


// No napkey running, napkey.ini absent (or these contents) with an earlier start recorded unless
// `firstStart`, no saver selected, no policy, no Run value, the flag enabled.
void ResetSystem(const char* mode, const char* iniContents = nullptr, bool firstStart = false);

int IniInt(const std::string& key);  // "Section/Key"; -9 when absent
inline bool IniHas(const std::string& key) { return IniInt(key) != -9; }

// The saver flag as a new process sees it (Wine caches it per process).
bool SystemSaverActive();
void SetSaverFlag(bool active);
// As Control Panel does; returns once every window has handled it.
void AnotherProgramSetsSaverFlag(bool active);

class Napkey {
 public:
  Napkey() = default;
  ~Napkey() { Release(); }
  Napkey(const Napkey&) = delete;
  Napkey& operator=(const Napkey&) = delete;

  bool Start(const char* arguments = "", const std::string& exe = std::string());
  // The main window once the process waits in its message loop.
  HWND WaitMainWindow(DWORD timeoutMs = 20000);
  DWORD WaitExit(DWORD timeoutMs = 20000);
  bool Running() const;
  DWORD Pid() const { return pid; }
  HWND MainWindow() const { return mainWindow; }
  // Through the menu; true when the process ended with 0.
  bool ExitThroughMenu();

 private:
  void Release();  // ends a process still running
  HANDLE process = nullptr;
  DWORD pid = 0;
  HWND mainWindow = nullptr;
};

// napkey.exe `arguments` to its end, answering a help box if one comes (*help tells whether); its exit code.
DWORD RunCommand(const char* arguments, bool* help = nullptr, const std::string& exe = std::string());

// Start flags: kWithSaver selects the test saver, kMissingSaver one not there, kInstalled the test saver installed
// with the others; kRecording starts the napkey.exe that records exit requests.
enum : UINT { kFirstStart = 1, kWithSaver = 2, kMissingSaver = 4, kRecording = 8, kKeepState = 16, kInstalled = 32 };

// HKCU value `path` ("key\\...\\value", a string): "<absent>" when there is none; null data deletes it.
std::string UserValue(const std::string& path);
void SetUserValue(const std::string& path, const char* data);
constexpr char kRunValue[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run\\Drowsel/Plus";

// One program under test per test, ended and cleaned up whatever the outcome.
class SystemTest : public ::testing::Test {
 protected:
  void TearDown() override;
  virtual std::string Mode() const { return "win95"; }
  bool Nt() const { return Mode() != "win95" && Mode() != "win31"; }
  // Resets the system and starts napkey.exe: its main window, or null.
  HWND Start(const char* ini = nullptr, unsigned flags = 0, const char* arguments = "");
  // Waits for the started program's main window and watches it.
  HWND Attach();
  // The program's visible dialog or message box with this caption.
  HWND Dialog(const char* caption);
  harness::MessageBoxInfo Box(const char* caption = "Drowsel/Plus");
  void Answer(HWND dialog, int id);
  // The next popup menu (opened here unless `post` is false), closed with Esc.
  std::vector<harness::SpiedMenuItem> Menu(bool post = true);
  // True when the main window exists and all sent or posted before was handled.
  bool Alive();
  bool Exit() { return napkey.ExitThroughMenu(); }
  void Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) { PostMessageA(main, message, wParam, lParam); }
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) { return SendMessageA(main, message, wParam, lParam); }
  HWND Button(int id) const { return GetDlgItem(main, id); }
  // The button goes up once the control holds the mouse (or the focus).
  void Click(HWND control, int dx = 0);

  // Ctrl+Alt+`key` on the X server once the program has settled: a window it is still closing could
  // take the X focus back and lose the keys.
  void PressCtrlAlt(const std::string& key);

  int Count(UINT message) const { return spy ? spy->Count(message) : -1; }
  bool WaitCount(UINT message, int count) {
    return harness::WaitUntil([&] { return Count(message) >= count; }, 20000) && Count(message) == count;
  }

  Napkey napkey;
  HWND main = nullptr;
  std::unique_ptr<harness::MessageSpy> spy;
};

class ModeTest : public SystemTest, public ::testing::WithParamInterface<const char*> {
 protected:
  std::string Mode() const override { return GetParam(); }
};

}  // namespace driver

#endif
