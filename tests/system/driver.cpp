#include "driver.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

namespace driver {

namespace {

std::string g_napkeyExe;
std::string g_fixturesDir;

// Files the tests leave next to the fixtures or in the Windows directory.
const char* const kScratchFiles[] = {"testsaver.log", "exitrec\\exitrequests.log", "exitrec\\exit.refuse",
                                     "exitrec\\privilege.refuse"};

void SetStringValue(HKEY root, const char* subKey, const char* name, const char* value) {
  HKEY key;
  if (RegCreateKeyExA(root, subKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
    ADD_FAILURE() << "cannot open " << subKey;
    return;
  }
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), static_cast<DWORD>(strlen(value) + 1));
  RegCloseKey(key);
}

std::string WindowsFile(const char* name) {
  char directory[MAX_PATH];
  GetWindowsDirectoryA(directory, MAX_PATH);
  return std::string(directory) + "\\" + name;
}

// Ends every napkey.exe left by a failed test, so that the next one starts clean.
void KillStrayInstances() {
  for (int attempt = 0; attempt < 20; ++attempt) {
    const std::vector<HWND> instances = harness::WindowsOfClass("Napkey");
    if (instances.empty()) return;
    DWORD pid = 0;
    GetWindowThreadProcessId(instances.front(), &pid);
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
    if (!process) return;
    TerminateProcess(process, 1);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
  }
}

}  // namespace

// Wine now and then refuses a start right after another process ended
// (ERROR_INTERNAL_ERROR); a moment later it works. Not the program's fault.
DWORD StartProcess(std::string commandLine, PROCESS_INFORMATION* info) {
  STARTUPINFOA startup;
  ZeroMemory(&startup, sizeof startup);
  startup.cb = sizeof startup;
  DWORD error = 0;
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, info))
      return 0;
    error = GetLastError();
    if (error != ERROR_INTERNAL_ERROR) break;
    harness::PumpFor(300);
  }
  return error;
}

const std::string& NapkeyExe() { return g_napkeyExe; }
void SetNapkeyExe(const std::string& path) { g_napkeyExe = path; }
const std::string& FixturesDir() { return g_fixturesDir; }
void SetFixturesDir(const std::string& path) { g_fixturesDir = path; }
std::string FixturePath(const char* name) { return g_fixturesDir + "\\" + name; }
std::string RecordingNapkeyExe() { return FixturePath("exitrec\\napkey.exe"); }
std::string TestSaverPath() { return FixturePath("testsaver.scr"); }

void SelectSaverInSystemIni(const char* value) {
  WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", value, "system.ini");
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, "system.ini");
}

std::string SaverInSystemIni() {
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, "system.ini");
  char value[MAX_PATH] = "";
  GetPrivateProfileStringA("boot", "SCRNSAVE.EXE", "", value, sizeof value, "system.ini");
  return value;
}

std::vector<std::string> ReadLog(const std::string& path) { return harness::ReadLines(path); }

void CloseTestSavers() {
  const std::vector<HWND> savers = harness::WindowsOfClass("TestSaver");
  for (HWND saver : savers) PostMessageA(saver, WM_CLOSE, 0, 0);
  if (!savers.empty()) harness::PumpFor(200);
}

HWND FocusOfThread(HWND window) {
  GUITHREADINFO info;
  ZeroMemory(&info, sizeof info);
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

void SendWithoutWaiting(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result;
  SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, 200, &result);
}

// Under Wine with the X11 driver, a program that has a display reads the
// saver flag from the X server's screen-saver timeout, while the stored
// setting is what a new process without a display (spiquery.exe) reads. A
// short-lived process that sets the flag may end before its request reaches
// the X server, so the two can disagree. Tests therefore set the state they
// start from here, in a process that lives on and pumps its messages (which
// flushes the request), and read results through spiquery.exe.
void SetSaverFlag(bool active) {
  SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, active ? TRUE : FALSE, nullptr, 0);
  harness::PumpFor(50);
}

void BroadcastSettingChange() {
  DWORD_PTR result;
  SendMessageTimeoutA(HWND_BROADCAST, WM_SETTINGCHANGE, SPI_SETSCREENSAVEACTIVE, 0, SMTO_ABORTIFHUNG, 5000, &result);
}

void SetWindowsVersion(const char* mode) {
  SetStringValue(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\napkey.exe", "Version", mode);
}

int LevelOf(const char* mode) {
  return (strcmp(mode, "win31") == 0 || strcmp(mode, "nt351") == 0) ? 3 : 4;
}

std::string IniPath() { return WindowsFile("napkey.ini"); }

void ResetSystem(const char* mode, const char* iniContents) {
  KillStrayInstances();
  SetWindowsVersion(mode);
  DeleteFileA(IniPath().c_str());
  // Flush the profile cache so that napkey.exe reads the file as it is now.
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, "napkey.ini");
  if (iniContents) {
    FILE* file = fopen(IniPath().c_str(), "wb");
    ASSERT_NE(nullptr, file) << IniPath();
    fputs(iniContents, file);
    fclose(file);
  }
  CloseTestSavers();
  SelectSaverInSystemIni(nullptr);
  SetSaverFlag(true);
  for (const char* name : kScratchFiles) DeleteFileA(FixturePath(name).c_str());
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, MAX_PATH);
  for (const char* name : {"NAPRST16.EXE", "naprst16.log", "Exit To DOS.PIF"})
    DeleteFileA((std::string(windows) + "\\" + name).c_str());
}

// Drops this process's cached copy of napkey.ini, which napkey.exe may have
// rewritten meanwhile.
void ForgetCachedIni() { WritePrivateProfileStringA(nullptr, nullptr, nullptr, IniPath().c_str()); }

bool IniHas(const char* section, const char* key) {
  ForgetCachedIni();
  char value[64];
  return GetPrivateProfileStringA(section, key, "", value, sizeof value, IniPath().c_str()) > 0;
}

int IniInt(const char* section, const char* key, int fallback) {
  ForgetCachedIni();
  return static_cast<int>(GetPrivateProfileIntA(section, key, fallback, IniPath().c_str()));
}

void MarkStartedBefore() {
  WritePrivateProfileStringA("Drowsel", "DisableOnStart", "0", IniPath().c_str());
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, IniPath().c_str());
}

bool SystemSaverActive() {
  const std::string commandLine = "\"" + FixturePath("spiquery.exe") + "\"";
  PROCESS_INFORMATION info;
  if (const DWORD error = StartProcess(commandLine, &info)) {
    ADD_FAILURE() << "cannot start " << commandLine << ": " << error;
    return false;
  }
  WaitForSingleObject(info.hProcess, 10000);
  DWORD code = 2;
  GetExitCodeProcess(info.hProcess, &code);
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  EXPECT_TRUE(code == 0 || code == 1) << "spiquery.exe failed: " << code;
  return code == 1;
}

Napkey::~Napkey() {
  if (process) {
    if (Running()) {
      TerminateProcess(process, 1);
      WaitForSingleObject(process, 5000);
    }
    CloseHandle(process);
  }
}

bool Napkey::Start(const char* arguments, const std::string& exe) {
  std::string commandLine = "\"" + (exe.empty() ? g_napkeyExe : exe) + "\"";
  if (arguments && *arguments) commandLine += std::string(" ") + arguments;
  PROCESS_INFORMATION info;
  const DWORD error = StartProcess(commandLine, &info);
  if (error) {
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
        mainWindow = nullptr;
        for (HWND window : harness::WindowsOfClass("Napkey")) {
          DWORD owner = 0;
          GetWindowThreadProcessId(window, &owner);
          if (owner == pid) mainWindow = window;
        }
        return mainWindow != nullptr;
      },
      timeoutMs);
  // Start-up is over once the program waits in its message loop (its hot
  // keys, icons and bar are all in place by then).
  if (mainWindow && process) WaitForInputIdle(process, 5000);
  return mainWindow;
}

DWORD Napkey::WaitExit(DWORD timeoutMs) {
  if (!process) return STILL_ACTIVE;
  harness::WaitUntil([&] { return !Running(); }, timeoutMs);
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process, &code);
  return code;
}

bool Napkey::Running() const {
  return process && WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
}

bool Napkey::ExitThroughMenu() {
  if (!mainWindow && !WaitMainWindow()) return false;
  PostMessageA(mainWindow, WM_COMMAND, 40003, 0);
  return WaitExit() == 0;
}

bool Napkey::DismissQuickHelp(DWORD timeoutMs) {
  HWND welcome = harness::WaitForDialog("Welcome to Drowsel/Plus!", pid, timeoutMs);
  if (!welcome) return false;
  harness::PressButton(welcome, IDCANCEL);
  return true;
}

}  // namespace driver
