#undef _WIN32_WINNT  // the tests may use what Wine has of later Windows
#define _WIN32_WINNT 0x0600
#include "driver.h"

#include <shellapi.h>
#include <tlhelp32.h>

#include "input.h"

#include <cstring>
#include <fstream>

namespace driver {

namespace {

std::string g_napkeyExe;
std::string g_fixturesDir;

// Files the tests leave next to the fixtures or in the Windows directory.
const char* const kScratchFiles[] = {"testsaver.log", "exitrec\\exitrequests.log", "exitrec\\exit.refuse",
                                     "exitrec\\privilege.refuse"};
const char* const kWindowsScratch[] = {"NAPRST16.EXE", "naprst16.log", "Exit To DOS.PIF", "testsaver.log"};
const char* const kSavers[][2] = {{"testsaver.scr", "testsaver.scr"}, {"saver310.scr", "saver310.scr"},
                                  {"ne_title.scr", "ne_title.scr"}, {"saverfull.scr", "Full Test Saver.scr"},
                                  {"cut_saverfull.scr", "cut_saverfull.scr"}, {"cut_saver310.scr", "cut_saver310.scr"}};

std::string IniPath() { return WindowsFile("napkey.ini"); }

// Drops this process's cached copy of a profile file that another process
// may have rewritten meanwhile.
void ForgetCached(const char* file) { WritePrivateProfileStringA(nullptr, nullptr, nullptr, file); }

void SetVersionMode(const char* mode) { SetUserValue("Software\\Wine\\AppDefaults\\napkey.exe\\Version", mode); }

// Ends and closes the process. Killed, a program cannot give up its place among the desktop toolbars: the shell
// is told, or under Wine the place stays taken.
void Terminate(HANDLE process, DWORD pid) {
  for (HWND bar : harness::Windows(pid, kMainWindowClass, true)) {
    APPBARDATA data = {sizeof data, bar};
    SHAppBarMessage(ABM_REMOVE, &data);
  }
  TerminateProcess(process, 1);
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process, 20000)) << "napkey.exe did not end";
  CloseHandle(process);
}

// Ends every napkey.exe a failed test left, so that the next one starts clean.
void KillStrayInstances() {
  for (HWND window : harness::Windows(0, kMainWindowClass, true)) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid)) Terminate(process, pid);
  }
}


// Wine now and then refuses a start right after another process ended
// (ERROR_INTERNAL_ERROR); a moment later it works. Not the program's fault.
DWORD StartProcess(std::string commandLine, PROCESS_INFORMATION* info) {
  STARTUPINFOA startup;
  ZeroMemory(&startup, sizeof startup);
  startup.cb = sizeof startup;
  DWORD error = 0;
  harness::WaitUntil(
      [&] {
        error = CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, info)
                    ? 0
                    : GetLastError();
        return error != ERROR_INTERNAL_ERROR;
      },
      20000);
  return error;
}

}  // namespace

void SetPaths(const std::string& exe, const std::string& fixtures) { g_napkeyExe = exe, g_fixturesDir = fixtures; }
std::string FixturePath(const char* name) { return g_fixturesDir + "\\" + name; }
std::string NapkeyPath() { return g_napkeyExe; }

std::string TestSaverPath() { return FixturePath("testsaver.scr"); }

void SelectSaverInSystemIni(const char* value) {
  WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", value, "system.ini");
  ForgetCached("system.ini");
}

std::string SaverInSystemIni() {
  ForgetCached("system.ini");
  char value[MAX_PATH] = "";
  GetPrivateProfileStringA("boot", "SCRNSAVE.EXE", "", value, sizeof value, "system.ini");
  return value;
}

std::vector<std::string> SaverLog() { return harness::ReadLines(FixturePath("testsaver.log")); }
std::vector<std::string> ExitRequests() { return harness::ReadLines(FixturePath("exitrec\\exitrequests.log")); }

void CloseTestSavers() {
  for (HWND saver : harness::Windows(0, "TestSaver", true)) PostMessageA(saver, WM_CLOSE, 0, 0);
  EXPECT_TRUE(harness::WaitUntil([] { return harness::Windows(0, "TestSaver", true).empty(); }, 20000))
      << "a test saver did not close";
}

void ResetSystem(const char* mode, const char* iniContents, bool firstStart) {
  KillStrayInstances();
  CloseTestSavers();
  SetVersionMode(mode);
  DeleteFileA(IniPath().c_str());
  if (iniContents) std::ofstream(IniPath(), std::ios::binary) << iniContents;
  ForgetCached(IniPath().c_str());
  if (!firstStart) WritePrivateProfileStringA("Drowsel", "DisableOnStart", "0", IniPath().c_str());
  ForgetCached(IniPath().c_str());
  SelectSaverInSystemIni(nullptr);
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Policies");
  SetUserValue(kRunValue, nullptr);
  SetSaverFlag(true);
  for (const char* name : kScratchFiles) DeleteFileA(FixturePath(name).c_str());
  for (const char* name : kWindowsScratch) DeleteFileA(WindowsFile(name).c_str());
  RemoveSavers();
}

void RemoveSavers() {
  for (const auto& saver : kSavers) DeleteFileA(WindowsFile(saver[1]).c_str());
  for (const char* name : {"testsaver.scr", "testsaver.log"}) DeleteFileA(SystemFile(name).c_str());
}

void InstallSavers() {
  for (const auto& saver : kSavers)
    EXPECT_TRUE(CopyFileA(FixturePath(saver[0]).c_str(), WindowsFile(saver[1]).c_str(), FALSE)) << saver[1];
  EXPECT_TRUE(CopyFileA(TestSaverPath().c_str(), SystemFile("testsaver.scr").c_str(), FALSE));
}

std::string SystemFile(const char* name) {
  char directory[MAX_PATH];
  GetSystemDirectoryA(directory, MAX_PATH);
  return std::string(directory) + "\\" + name;
}

int RunningProcesses(const char* exeName) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32 entry;
  entry.dwSize = sizeof entry;
  int count = 0;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
    count += lstrcmpiA(entry.szExeFile, exeName) == 0;
  CloseHandle(snapshot);
  return count;
}

int IniInt(const std::string& key) {
  ForgetCached(IniPath().c_str());
  const size_t slash = key.find('/');
  return static_cast<int>(GetPrivateProfileIntA(key.substr(0, slash).c_str(), key.substr(slash + 1).c_str(), -9,
                                                IniPath().c_str()));
}

bool SystemSaverActive() {
  PROCESS_INFORMATION info;
  if (const DWORD error = StartProcess("\"" + FixturePath("spiquery.exe") + "\"", &info)) {
    ADD_FAILURE() << "cannot start spiquery.exe: " << error;
    return false;
  }
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(info.hProcess, 20000));
  DWORD code = 2;
  GetExitCodeProcess(info.hProcess, &code);
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  EXPECT_TRUE(code == 0 || code == 1) << "spiquery.exe failed: " << code;
  return code == 1;
}

// Under Wine with the X11 driver, a program that has a display reads the
// saver flag from the X server's screen-saver timeout, while a new process
// without a display (spiquery.exe) reads the stored setting. A short-lived
// process that sets the flag may end before its request reaches the X
// server, so the two can disagree: tests set the state they start from here,
// in a process that lives on and pumps its messages (which flushes the
// request), and read results through spiquery.exe.
// Reading the flag back here asks the X server, which handles this client's
// requests in order: the change has reached it once the answer is in.
void SetSaverFlag(bool active) {
  SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, active ? TRUE : FALSE, nullptr, 0);
  BOOL seen = !active;
  SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &seen, 0);
  EXPECT_EQ(active, seen != FALSE) << "the display did not take the saver flag";
  EXPECT_EQ(active, SystemSaverActive()) << "the saver flag was not stored";
}

void AnotherProgramSetsSaverFlag(bool active) {
  SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, active, nullptr, SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE);
  DWORD_PTR result;
  SendMessageTimeoutA(HWND_BROADCAST, WM_SETTINGCHANGE, SPI_SETSCREENSAVEACTIVE, 0, SMTO_ABORTIFHUNG, 20000, &result);
}

void Napkey::Release() {
  if (!process) return;
  if (Running()) Terminate(process, pid);
  else CloseHandle(process);
  process = nullptr;
  pid = 0;
  mainWindow = nullptr;
}

bool Napkey::Start(const char* arguments, const std::string& exe) {
  Release();
  std::string commandLine = "\"" + (exe.empty() ? g_napkeyExe : exe) + "\"";
  if (arguments && *arguments) commandLine += std::string(" ") + arguments;
  PROCESS_INFORMATION info;
  if (const DWORD error = StartProcess(commandLine, &info)) {
    ADD_FAILURE() << "CreateProcess failed for " << commandLine << ": " << error;
    return false;
  }
  CloseHandle(info.hThread);
  process = info.hProcess;
  pid = info.dwProcessId;
  return true;
}

HWND Napkey::WaitMainWindow(DWORD timeoutMs) {
  harness::WaitUntil(
      [&] {
        mainWindow = harness::FirstWindow(pid, kMainWindowClass, true);
        return mainWindow != nullptr || !Running();
      },
      timeoutMs);
  // Start-up is over once the program waits in its message loop (its hot
  // keys, icons and bar are all in place by then).
  if (mainWindow) EXPECT_EQ(0u, WaitForInputIdle(process, 20000)) << "napkey.exe never became idle";
  return mainWindow;
}

// Pumps while waiting: a program on its way out may still talk to windows of
// this thread (the stand-in notification area).
DWORD Napkey::WaitExit(DWORD timeoutMs) {
  DWORD code = STILL_ACTIVE;
  if (process && harness::WaitUntil([&] { return !Running(); }, timeoutMs)) GetExitCodeProcess(process, &code);
  return code;
}

bool Napkey::ExitThroughMenu() {
  if (!mainWindow && !WaitMainWindow()) return false;
  PostMessageA(mainWindow, WM_COMMAND, IDM_EXIT, 0);
  return WaitExit() == 0;
}

bool Napkey::Running() const { return process && WaitForSingleObject(process, 0) == WAIT_TIMEOUT; }

DWORD RunCommand(const char* arguments, bool* help, const std::string& exe) {
  Napkey napkey;
  bool madeWindow = false, shown = false;
  HWND answered = nullptr;  // read once: it may be gone by the next look
  if (!napkey.Start(arguments, exe)) return 99;
  harness::WaitUntil(
      [&] {
        madeWindow |= harness::FirstWindow(napkey.Pid(), kMainWindowClass, true) != nullptr;
        for (HWND box : harness::Windows(napkey.Pid())) {
          if (box == answered) continue;
          const harness::MessageBoxInfo info = harness::ReadMessageBox(box);
          answered = box;
          EXPECT_EQ("Drowsel/Plus", info.caption);
          EXPECT_EQ(0u, info.text.find("Command Line Options:")) << info.text;
          harness::PressButton(box, IDOK);
          shown = true;
        }
        return !napkey.Running();
      },
      20000);
  EXPECT_FALSE(madeWindow) << "napkey.exe " << arguments << " made a main window";
  if (help) *help = shown;
  return napkey.WaitExit(0);
}

std::string UserValue(const std::string& path) {
  char data[2 * MAX_PATH];
  DWORD size = sizeof data;
  const size_t slash = path.rfind('\\');
  return RegGetValueA(HKEY_CURRENT_USER, path.substr(0, slash).c_str(), path.c_str() + slash + 1, RRF_RT_REG_SZ,
                      nullptr, data, &size) ? "<absent>" : data;
}

void SetUserValue(const std::string& path, const char* data) {
  const std::string key = path.substr(0, path.rfind('\\')), value = path.substr(path.rfind('\\') + 1);
  if (!data) RegDeleteKeyValueA(HKEY_CURRENT_USER, key.c_str(), value.c_str());
  else RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), value.c_str(), REG_SZ, data, static_cast<DWORD>(strlen(data) + 1));
}


// A focus change on the display (the test's own key window, another program
// starting) may have closed the menu already; cancelling the menu mode after
// the Esc makes sure either way.
std::vector<harness::SpiedMenuItem> SystemTest::Menu(bool post) {
  std::vector<harness::SpiedMenuItem> items;
  if (post) Post(WM_NAPKEY_POPUP_MENU);
  EXPECT_TRUE(spy && spy->WaitForPopup(20000, &items)) << "no popup menu";
  if (HWND menu = harness::FirstWindow(napkey.Pid(), "#32768")) PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
  DWORD_PTR result;
  SendMessageTimeoutA(main, WM_CANCELMODE, 0, 0, SMTO_NORMAL, 20000, &result);
  EXPECT_TRUE(harness::WaitUntil([&] { return !harness::FirstWindow(napkey.Pid(), "#32768"); }, 20000)) << "the menu stayed";
  return items;
}

void SystemTest::TearDown() {
  harness::MouseMoveTo(10, 10);  // off the program's windows, for the next start
  spy.reset();
  EXPECT_FALSE(napkey.Running()) << "napkey.exe was left running";
  CloseTestSavers();
  RemoveSavers();  // the other test layers share this Windows directory
}

HWND SystemTest::Start(const char* ini, unsigned flags, const char* arguments) {
  spy.reset();
  if (!(flags & kKeepState)) ResetSystem(Mode().c_str(), ini, flags & kFirstStart);
  if (flags & kWithSaver) SelectSaverInSystemIni(TestSaverPath().c_str());
  if (flags & kMissingSaver) SelectSaverInSystemIni(FixturePath("missing.scr").c_str());
  if (flags & kInstalled) InstallSavers();
  if (flags & kInstalled) SelectSaverInSystemIni(WindowsFile("testsaver.scr").c_str());
  if (!napkey.Start(arguments, (flags & kRecording) ? FixturePath("exitrec\\napkey.exe") : std::string())) return nullptr;
  return Attach();
}

void SystemTest::Click(HWND control, int dx) {
  const POINT at = harness::CentreOf(control);
  harness::MouseMoveTo(at.x + dx, at.y);
  harness::MouseButtonAt(at.x + dx, at.y, true);
  // A button holds the mouse while pressed; a control that takes none (a
  // hot-key field) takes the focus instead.
  EXPECT_TRUE(harness::WaitUntil([&] {
    HWND capture = harness::CaptureOf(control);
    return capture == control || (!capture && harness::FocusOf(control) == control);
  }, 20000)) << "not pressed";
  harness::MouseButtonAt(at.x + dx, at.y, false);
  EXPECT_TRUE(harness::WaitUntil([&] { return harness::CaptureOf(control) != control; }, 20000)) << "not released";
}

void SystemTest::PressCtrlAlt(const std::string& key) {
  EXPECT_TRUE(Alive());
  EXPECT_TRUE(harness::HostKeys(("key ctrl+alt+" + key).c_str())) << key;
}

HWND SystemTest::Attach() {
  main = napkey.WaitMainWindow();
  EXPECT_TRUE(main) << "no main window";
  if (main) {
    spy.reset(new harness::MessageSpy(main));
    EXPECT_TRUE(spy->Ok()) << "the message spy is not hooked";
  }
  return main;
}

bool SystemTest::Alive() { return spy && spy->Settle(main); }

HWND SystemTest::Dialog(const char* caption) {
  HWND dialog = harness::WaitForDialog(caption, napkey.Pid(), 20000);
  EXPECT_TRUE(dialog) << "no dialog \"" << caption << "\"";
  return dialog;
}

harness::MessageBoxInfo SystemTest::Box(const char* caption) {
  HWND box = Dialog(caption);
  return box ? harness::ReadMessageBox(box) : harness::MessageBoxInfo();
}

void SystemTest::Answer(HWND dialog, int id) {
  if (!dialog) return;
  harness::PressButton(dialog, id);
  EXPECT_TRUE(harness::WaitUntil([&] { return !IsWindowVisible(dialog); }, 20000)) << "the dialog stayed";
}

}  // namespace driver
