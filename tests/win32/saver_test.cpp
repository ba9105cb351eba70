// Screen saver state, its registry key and saver launching, in this process
// against the real system calls.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/platform_win.h"
#include "dialogs.h"
#include "fixtures.h"
#include "saver/launch_win.h"
#include "saver/registry_win.h"
#include "saver/saverstate_win.h"

namespace {

std::string TestSaver() { return FixturesDir() + "\\testsaver.scr"; }
std::string SaverLog() { return FixturesDir() + "\\testsaver.log"; }

std::vector<std::string> SaverLogLines() { return harness::ReadLines(SaverLog()); }

HWND FindTestSaverWindow() {
  const std::vector<HWND> savers = harness::WindowsOfClass("TestSaver");
  return savers.empty() ? nullptr : savers.front();
}

bool SystemFlag() {
  BOOL active = FALSE;
  SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
  return active != FALSE;
}

class SaverWin32 : public ::testing::Test {
 protected:
  void SetUp() override {
    DeleteFileA(SaverLog().c_str());
    WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", TestSaver().c_str(), "system.ini");
    SystemParametersInfoA(SPI_GETSCREENSAVETIMEOUT, 0, &savedTimeout, 0);
  }
  void TearDown() override {
    ShutdownSaverState();
    SystemParametersInfoA(SPI_SETSCREENSAVETIMEOUT, savedTimeout, nullptr, SPIF_UPDATEINIFILE);
    SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, TRUE, nullptr, 0);
    WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", nullptr, "system.ini");
    for (HWND saver : harness::WindowsOfClass("TestSaver")) PostMessageA(saver, WM_CLOSE, 0, 0);
    harness::PumpFor(100);
  }
  UINT savedTimeout = 0;
};

// Under Wine a running process does not see another process change the flag
// without a broadcast, so this test changes it itself, as another program
// would on Windows, and lets the watchdog's timer run in its message loop.
TEST_F(SaverWin32, WatchdogUndoesAnUnannouncedReenabling) {
  SyncSaverState(true);
  ASSERT_EQ(TestSaver(), CurrentSaverState().saverPath) << "the selected saver is adopted";
  SetSaverTimeout(1);  // the watchdog looks every 750 ms
  SetSaverActive(0);
  ASSERT_FALSE(SystemFlag());

  SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, TRUE, nullptr, 0);
  ASSERT_TRUE(SystemFlag());
  EXPECT_TRUE(harness::WaitUntil([] { return !SystemFlag(); }, 1500)) << "not undone within 3/4 of the timeout";
  EXPECT_EQ(0u, CurrentSaverState().active);

  // Twice: the watchdog re-arms itself.
  SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, TRUE, nullptr, 0);
  EXPECT_TRUE(harness::WaitUntil([] { return !SystemFlag(); }, 1500));

  // Once the program enables the saver itself, the watchdog leaves it alone.
  SetSaverActive(1);
  harness::PumpFor(1000);
  EXPECT_TRUE(SystemFlag());
}

TEST_F(SaverWin32, NoWatchdogWithoutASelectedSaver) {
  WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", nullptr, "system.ini");
  SyncSaverState(true);
  EXPECT_STREQ("", CurrentSaverState().saverPath);
  SetSaverTimeout(1);
  SetSaverActive(0);
  SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, TRUE, nullptr, 0);
  harness::PumpFor(1200);
  EXPECT_TRUE(SystemFlag()) << "nothing to guard";
}

TEST_F(SaverWin32, BareSaverNameIsFoundOnTheSearchPath) {
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, MAX_PATH);
  const std::string copy = std::string(windows) + "\\napkeytest.scr";
  ASSERT_TRUE(CopyFileA(TestSaver().c_str(), copy.c_str(), FALSE));
  WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", "napkeytest.scr", "system.ini");
  char buffer[MAX_PATH];
  EXPECT_EQ(Selected, ReadSelectedSaver(buffer, MAX_PATH));
  EXPECT_EQ(0, lstrcmpiA(copy.c_str(), buffer)) << buffer;

  WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", "nowhere.scr", "system.ini");
  EXPECT_EQ(Selected, ReadSelectedSaver(buffer, MAX_PATH));
  EXPECT_STREQ("nowhere.scr", buffer) << "a name not found stays bare";

  WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", "(none)", "system.ini");
  EXPECT_EQ(NoneSelected, ReadSelectedSaver(buffer, MAX_PATH));
  WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", nullptr, "system.ini");
  EXPECT_EQ(NotSet, ReadSelectedSaver(buffer, MAX_PATH));
  DeleteFileA(copy.c_str());
}

TEST_F(SaverWin32, SelectingASaverWritesSystemIniInThePlatformsForm) {
  SelectSaver(TestSaver().c_str());
  char stored[MAX_PATH] = "";
  GetPrivateProfileStringA("boot", "SCRNSAVE.EXE", "", stored, MAX_PATH, "system.ini");
  std::string expected = TestSaver();
  if (GetPlatformKind() == PlatformWin95) {
    char shortPath[MAX_PATH];
    GetShortPathNameA(expected.c_str(), shortPath, MAX_PATH);
    expected = shortPath;
  }
  EXPECT_EQ(expected, stored);
  EXPECT_EQ(expected, CurrentSaverState().saverPath);
  EXPECT_TRUE(SystemFlag()) << "selecting stores the flag as enabled";

  SelectSaver("");
  EXPECT_STREQ("", CurrentSaverState().saverPath);
  GetPrivateProfileStringA("boot", "SCRNSAVE.EXE", "", stored, MAX_PATH, "system.ini");
  EXPECT_EQ(expected, stored) << "an empty selection leaves system.ini alone";
}

class DesktopKeyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, KEY_WRITE, &key) != ERROR_SUCCESS) return;
    RegDeleteValueA(key, ValueName());
    RegCloseKey(key);
  }
  void TearDown() override { SetUp(); }
  static const char* ValueName() {
    return GetPlatformKind() == PlatformNT ? "ScreenSaverIsSecure" : "ScreenSaveUsePassword";
  }
  // The stored value's type, and its text when it is a string.
  static DWORD Stored(std::string* text = nullptr) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, KEY_READ, &key) != ERROR_SUCCESS) return 0;
    DWORD type = 0;
    char data[16] = "";
    DWORD size = sizeof data - 1;
    RegQueryValueExA(key, ValueName(), nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    if (text) *text = data;
    return type;
  }
};

TEST_F(DesktopKeyTest, PasswordFlagInThePlatformsForm) {
  EXPECT_EQ(0, GetSaverPassword()) << "absent reads as 0";
  SetSaverPassword(1);
  EXPECT_EQ(1, GetSaverPassword());
  if (GetPlatformKind() == PlatformNT) {
    std::string text;
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), Stored(&text));
    EXPECT_EQ("1", text);
  } else {
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), Stored());
  }
  ShutdownSaverState();  // lets go of the key
}

TEST_F(DesktopKeyTest, BothStoredFormsAreRead) {
  DesktopKey key(OpenReadWrite);
  ASSERT_EQ(OpenReadWrite, key.OpenState());
  long value = 0;
  ASSERT_TRUE(key.SetValue(ValueName(), 7, FALSE));
  EXPECT_TRUE(key.GetPasswordFlag(&value));
  EXPECT_EQ(7, value);
  ASSERT_TRUE(key.SetValue(ValueName(), -12, TRUE));
  EXPECT_TRUE(key.GetPasswordFlag(&value));
  EXPECT_EQ(-12, value);

  // Text that is no plain number, and an unterminated string.
  HKEY raw;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, KEY_WRITE, &raw));
  RegSetValueExA(raw, ValueName(), 0, REG_SZ, reinterpret_cast<const BYTE*>("  42abc"), 8);
  EXPECT_TRUE(key.GetPasswordFlag(&value));
  EXPECT_EQ(42, value);
  // Windows 95 stores the whole string whatever size is given; NT keeps
  // exactly the bytes given, here without a terminator.
  RegSetValueExA(raw, ValueName(), 0, REG_SZ, reinterpret_cast<const BYTE*>("123456"), 3);
  EXPECT_TRUE(key.GetPasswordFlag(&value));
  EXPECT_EQ(GetPlatformKind() == PlatformNT ? 123 : 123456, value);
  RegSetValueExA(raw, ValueName(), 0, REG_BINARY, reinterpret_cast<const BYTE*>("\1\0\0\0"), 4);
  EXPECT_FALSE(key.GetPasswordFlag(&value)) << "other types are not a flag";
  RegCloseKey(raw);
}

TEST(RegistryKeyTest, ReadOnlyAndMissingKeys) {
  RegistryKey missing(RootCurrentUser, "Software\\NapkeyTests\\DoesNotExist", OpenRead);
  EXPECT_EQ(OpenNothing, missing.OpenState());
  long value = 0;
  EXPECT_FALSE(missing.QueryValue("x", &value));
  RegistryKey readOnly(RootCurrentUser, "Control Panel\\Desktop", OpenRead);
  EXPECT_EQ(OpenRead, readOnly.OpenState());
  EXPECT_FALSE(readOnly.SetValue("NapkeyTest", 1, FALSE)) << "refused without write access";
  RegistryKey noRoot(9, "Control Panel\\Desktop", OpenReadWrite);
  EXPECT_EQ(OpenNothing, noRoot.OpenState());
}

class LaunchWin32 : public SaverWin32 {
 protected:
  void SetUp() override {
    SaverWin32::SetUp();
    owner = CreateWindowExA(0, "static", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200, nullptr,
                            nullptr, nullptr, nullptr);
  }
  void TearDown() override {
    DestroyWindow(owner);
    SaverWin32::TearDown();
  }
  HWND owner = nullptr;
};

TEST_F(LaunchWin32, TestModeWaitsWithTheOwnerDisabled) {
  bool disabledWhileRunning = false;
  struct Watch {
    HWND owner;
    bool* disabled;
  } watch{owner, &disabledWhileRunning};
  HANDLE watcher = CreateThread(
      nullptr, 0,
      [](void* param) -> DWORD {
        auto* w = static_cast<Watch*>(param);
        HWND saver = nullptr;
        harness::WaitUntil([&] { return (saver = FindTestSaverWindow()) != nullptr; }, 10000);
        *w->disabled = !IsWindowEnabled(w->owner);
        if (saver) PostMessageA(saver, WM_CLOSE, 0, 0);
        return 0;
      },
      &watch, 0, nullptr);
  const bool nt = GetPlatformKind() == PlatformNT;
  EXPECT_TRUE(LaunchSaver(owner, TestSaver().c_str(), LaunchTest));
  WaitForSingleObject(watcher, INFINITE);
  CloseHandle(watcher);
  EXPECT_TRUE(disabledWhileRunning);
  EXPECT_TRUE(IsWindowEnabled(owner)) << "enabled again once the saver ended";
  ASSERT_EQ(1u, SaverLogLines().size());
  EXPECT_EQ(TestSaver() + " /s", SaverLogLines()[0]) << (nt ? "after the mouse rested" : "");
}

TEST_F(LaunchWin32, SetupModeRunsWithSlashC) {
  HANDLE closer = CreateThread(
      nullptr, 0,
      [](void*) -> DWORD {
        HWND saver = nullptr;
        harness::WaitUntil([&] { return (saver = FindTestSaverWindow()) != nullptr; }, 10000);
        if (saver) PostMessageA(saver, WM_CLOSE, 0, 0);
        return 0;
      },
      nullptr, 0, nullptr);
  EXPECT_TRUE(LaunchSaver(owner, TestSaver().c_str(), LaunchSetup));
  WaitForSingleObject(closer, INFINITE);
  CloseHandle(closer);
  ASSERT_EQ(1u, SaverLogLines().size());
  EXPECT_EQ(TestSaver() + " /c", SaverLogLines()[0]);
}

TEST_F(LaunchWin32, PreviewGoesIntoTheGivenWindow) {
  ASSERT_TRUE(PreviewSaverInWindow(owner, TestSaver().c_str()));
  char expected[32];
  std::snprintf(expected, sizeof expected, " /p %ld", static_cast<long>(reinterpret_cast<LONG_PTR>(owner)));
  ASSERT_TRUE(harness::WaitUntil([] { return !SaverLogLines().empty(); }, 5000));
  EXPECT_EQ(TestSaver() + expected, SaverLogLines()[0]);
  EXPECT_TRUE(harness::WaitUntil([&] { return GetWindow(owner, GW_CHILD) != nullptr; }, 5000))
      << "the saver drew into the window";
  EXPECT_FALSE(PreviewSaverInWindow(owner, nullptr));
}

TEST_F(LaunchWin32, PasswordOnlyOutsideWindowsNT) {
  const BOOL started = ChangeSaverPassword(owner, TestSaver().c_str());
  if (GetPlatformKind() == PlatformNT) {
    EXPECT_FALSE(started);
    harness::PumpFor(300);
    EXPECT_TRUE(SaverLogLines().empty()) << "nothing is started on Windows NT";
    return;
  }
  ASSERT_TRUE(started);
  char expected[32];
  std::snprintf(expected, sizeof expected, " /A %ld", static_cast<long>(reinterpret_cast<LONG_PTR>(owner)));
  ASSERT_TRUE(harness::WaitUntil([] { return !SaverLogLines().empty(); }, 5000));
  EXPECT_EQ(TestSaver() + expected, SaverLogLines()[0]);
}

TEST_F(LaunchWin32, StartFailuresAreReportedWithThePath) {
  const std::string missing = FixturesDir() + "\\missing.scr";
  {
    harness::MessageBoxAnswerer answerer(IDOK);
    EXPECT_FALSE(PreviewSaverInWindow(owner, missing.c_str()));
    ASSERT_TRUE(answerer.Join());
    EXPECT_EQ(0u, answerer.Seen().text.find("Program Error:  Cannot show preview window for " + missing + "\n\n"))
        << answerer.Seen().text;
    EXPECT_NE(std::string::npos, answerer.Seen().text.find("CreateProcess failed; error # 2:"));
  }
  {
    harness::MessageBoxAnswerer answerer(IDOK);
    EXPECT_FALSE(LaunchSaver(owner, missing.c_str(), LaunchSetup));
    ASSERT_TRUE(answerer.Join());
    EXPECT_EQ(0u, answerer.Seen().text.find("Program Error:  Cannot Setup screen saver.")) << answerer.Seen().text;
  }
  if (GetPlatformKind() != PlatformNT) {
    harness::MessageBoxAnswerer answerer(IDOK);
    EXPECT_FALSE(ChangeSaverPassword(owner, missing.c_str()));
    ASSERT_TRUE(answerer.Join());
    EXPECT_EQ(0u, answerer.Seen().text.find("Program Error:  Cannot set screensaver password (" + missing + ")"))
        << answerer.Seen().text;
  }
}

}  // namespace

namespace {

// Counts SC_SCREENSAVE requests that reach a window.
LONG g_screenSaveRequests = 0;
WNDPROC g_staticProc = nullptr;
LRESULT CALLBACK CountScreenSave(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_SCREENSAVE) {
    ++g_screenSaveRequests;
    return 0;
  }
  return CallWindowProcA(g_staticProc, window, message, wParam, lParam);
}

class RunOnWindowsNT : public LaunchWin32 {
 protected:
  void SetUp() override {
    if (GetPlatformKind() != PlatformNT) GTEST_SKIP() << "the mouse-rest wait is Windows NT's";
    LaunchWin32::SetUp();
    g_screenSaveRequests = 0;
    g_staticProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountScreenSave)));
  }
};

TEST_F(RunOnWindowsNT, RestingMouseLetsTheSystemStartItsSaver) {
  const DWORD start = GetTickCount();
  EXPECT_TRUE(LaunchSaver(owner, nullptr, LaunchRun));
  EXPECT_GE(GetTickCount() - start, 190u) << "the mouse must rest for 200 ms first";
  EXPECT_EQ(1, g_screenSaveRequests);
  harness::PumpFor(200);
  EXPECT_TRUE(SaverLogLines().empty()) << "the program starts no process itself";
}

TEST_F(RunOnWindowsNT, MovingMouseGivesUpAfterOneAndAHalfSeconds) {
  volatile bool moving = true;
  HANDLE mover = CreateThread(
      nullptr, 0,
      [](void* param) -> DWORD {
        auto* keepMoving = static_cast<volatile bool*>(param);
        for (int i = 0; *keepMoving; ++i) {
          SetCursorPos(300 + (i % 50) * 4, 300);
          Sleep(30);
        }
        return 0;
      },
      const_cast<bool*>(&moving), 0, nullptr);
  const DWORD start = GetTickCount();
  EXPECT_FALSE(LaunchSaver(owner, nullptr, LaunchRun));
  const DWORD elapsed = GetTickCount() - start;
  moving = false;
  WaitForSingleObject(mover, INFINITE);
  CloseHandle(mover);
  EXPECT_GE(elapsed, 1500u);
  EXPECT_LT(elapsed, 2500u);
  EXPECT_EQ(0, g_screenSaveRequests);
  EXPECT_TRUE(SaverLogLines().empty());
}

}  // namespace
