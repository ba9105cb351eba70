#include "driver.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

namespace driver {

namespace {

std::string g_napkeyExe;

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

BOOL CALLBACK CloseNapkeyWindow(HWND window, LPARAM param) {
  char name[64];
  if (GetClassNameA(window, name, sizeof name) && strcmp(name, "Napkey") == 0) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    *reinterpret_cast<DWORD*>(param) = pid;
  }
  return TRUE;
}

// Ends every napkey.exe left by a failed test, so that the next one starts clean.
void KillStrayInstances() {
  for (int attempt = 0; attempt < 20; ++attempt) {
    DWORD pid = 0;
    EnumWindows(CloseNapkeyWindow, reinterpret_cast<LPARAM>(&pid));
    if (!pid) return;
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
    if (!process) return;
    TerminateProcess(process, 1);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
  }
}

}  // namespace

const std::string& NapkeyExe() { return g_napkeyExe; }
void SetNapkeyExe(const std::string& path) { g_napkeyExe = path; }

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
  WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", nullptr, "system.ini");
  SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, TRUE, nullptr, 0);
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
  BOOL active = FALSE;
  SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
  return active != FALSE;
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

bool Napkey::Start(const char* arguments) {
  std::string commandLine = "\"" + g_napkeyExe + "\"";
  if (arguments && *arguments) commandLine += std::string(" ") + arguments;
  STARTUPINFOA startup;
  ZeroMemory(&startup, sizeof startup);
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info;
  if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    ADD_FAILURE() << "CreateProcess failed for " << commandLine << ": " << GetLastError();
    return false;
  }
  CloseHandle(info.hThread);
  process = info.hProcess;
  pid = info.dwProcessId;
  return true;
}

namespace {
struct FindMain {
  DWORD pid;
  HWND found;
};
BOOL CALLBACK FindMainWindow(HWND window, LPARAM param) {
  auto* state = reinterpret_cast<FindMain*>(param);
  char name[64];
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == state->pid && GetClassNameA(window, name, sizeof name) && strcmp(name, "Napkey") == 0) {
    state->found = window;
    return FALSE;
  }
  return TRUE;
}
}  // namespace

HWND Napkey::WaitMainWindow(DWORD timeoutMs) {
  harness::WaitUntil(
      [&] {
        FindMain state{pid, nullptr};
        EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&state));
        mainWindow = state.found;
        return mainWindow != nullptr;
      },
      timeoutMs);
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
