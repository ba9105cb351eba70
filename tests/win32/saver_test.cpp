// Screen saver state, its registry key and saver launching, in this process
// against the real system calls.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "app/platform_win.h"
#include "app/report_win.h"
#include "dialogs.h"
#include "saver/launch_win.h"
#include "saver/registry_win.h"
#include "saver/saverstate_win.h"
#include "testenv.h"

namespace {

using Lines = std::vector<std::string>;
std::string TestSaver() { return g_fixturesDir + "\\testsaver.scr"; }
std::string SaverLogPath() { return g_fixturesDir + "\\testsaver.log"; }
Lines SaverLog() { return harness::ReadLines(SaverLogPath()); }
std::string WithWindow(const char* saverSwitch, HWND window) {
  return TestSaver() + saverSwitch + std::to_string(static_cast<LONG>(reinterpret_cast<LONG_PTR>(window)));
}
HWND VisibleTestSaver() {
  for (HWND saver : harness::WindowsOfClass("TestSaver"))
    if (IsWindowVisible(saver)) return saver;
  return nullptr;
}
bool SystemFlag() {
  BOOL active = FALSE;
  return SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &active, 0) && active;
}
// As another program would, without telling anybody.
void SetSystemFlag(BOOL active) { SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, active, nullptr, 0); }
void SelectInSystemIni(const char* saver) { WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", saver, "system.ini"); }

bool g_timerFired = false;
void CALLBACK TimerFired(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  g_timerFired = true;
}

class SaverWin32 : public ::testing::Test {
 protected:
  void SetUp() override {
    DeleteFileA(SaverLogPath().c_str());
    SelectInSystemIni(TestSaver().c_str());
    SystemParametersInfoA(SPI_GETSCREENSAVETIMEOUT, 0, &savedTimeout, 0);
    owner = CreateWindowExA(0, "static", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200, nullptr,
                            nullptr, nullptr, nullptr);
  }
  void TearDown() override {
    DestroyWindow(owner);  // a preview ends with its window
    ShutdownSaverState();
    SystemParametersInfoA(SPI_SETSCREENSAVETIMEOUT, savedTimeout, nullptr, SPIF_UPDATEINIFILE);
    SetSystemFlag(TRUE);
    SelectInSystemIni(nullptr);
    for (HWND saver : harness::WindowsOfClass("TestSaver")) PostMessageA(saver, WM_CLOSE, 0, 0);
    EXPECT_TRUE(harness::WaitUntil([] { return !VisibleTestSaver(); }, 10000)) << "a saver window stayed open";
  }
  // A preview started now shows that the system had time to start anything
  // asked for before: it must be the only start, and no saver window opened.
  void ExpectOnlyAPreviewStarts() {
    ASSERT_TRUE(PreviewSaverInWindow(owner, TestSaver().c_str()));
    EXPECT_TRUE(harness::WaitUntil([&] { return GetWindow(owner, GW_CHILD) && !SaverLog().empty(); }, 10000));
    EXPECT_EQ(Lines{WithWindow(" /p ", owner)}, SaverLog());
    EXPECT_EQ(nullptr, VisibleTestSaver());
  }
  UINT savedTimeout = 0;
  HWND owner = nullptr;
};

// Under Wine a running process does not see another process change the flag
// without a broadcast, so this test changes it itself, as another program
// would on Windows, and lets the watchdog's timer run in its message loop.
TEST_F(SaverWin32, WatchdogGuardsOnlyASelectedSaverThatTheProgramHoldsOff) {
  SyncSaverState(true);
  ASSERT_STREQ(TestSaver().c_str(), CurrentSaverState().saverPath) << "the selected saver is adopted";
  SetSaverTimeout(1);
  SetSaverActive(0);
  for (int round = 1; round <= 2; ++round) {  // the watchdog re-arms itself
    SetSystemFlag(TRUE);
    ASSERT_TRUE(SystemFlag());
    EXPECT_TRUE(harness::WaitUntil([] { return !SystemFlag(); }, 10000)) << "not undone in round " << round;
  }
  SelectInSystemIni(nullptr);
  SyncSaverState(true);
  SetSaverActive(0);
  SetSystemFlag(TRUE);
  // A timer of this thread set now fires after any watchdog that was due earlier.
  g_timerFired = false;
  ASSERT_TRUE(SetTimer(nullptr, 0, 1500, TimerFired));
  ASSERT_TRUE(harness::WaitUntil([] { return g_timerFired; }, 10000)) << "two watchdog periods";
  EXPECT_TRUE(SystemFlag()) << "no saver, nothing to guard";
}

TEST_F(SaverWin32, SystemIniSelectionReadAsStoredOrOnTheSearchPathWrittenInThePlatformsForm) {
  const std::string copy = WindowsFile("napkeytest.scr");
  ASSERT_TRUE(CopyFileA(TestSaver().c_str(), copy.c_str(), FALSE));
  const struct { const char* stored; SelectedSaverResult result; std::string read; } cases[] = {
      {"napkeytest.scr", Selected, copy}, {"nowhere.scr", Selected, "nowhere.scr"},
      {"(none)", NoneSelected, "(none)"}, {nullptr, NotSet, ""}};
  for (const auto& c : cases) {
    SelectInSystemIni(c.stored);
    char read[MAX_PATH];
    EXPECT_EQ(c.result, ReadSelectedSaver(read, MAX_PATH)) << c.read;
    EXPECT_EQ(0, lstrcmpiA(c.read.c_str(), read)) << read;
  }
  DeleteFileA(copy.c_str());
  char expected[MAX_PATH], stored[MAX_PATH];
  if (GetPlatformKind() != PlatformWin95 || !GetShortPathNameA(TestSaver().c_str(), expected, MAX_PATH))
    lstrcpynA(expected, TestSaver().c_str(), MAX_PATH);
  SelectSaver(TestSaver().c_str());
  GetPrivateProfileStringA("boot", "SCRNSAVE.EXE", "", stored, MAX_PATH, "system.ini");
  EXPECT_STREQ(expected, stored);
  EXPECT_STREQ(expected, CurrentSaverState().saverPath);
}

TEST(DesktopKey, PasswordFlagInThePlatformsFormReadInBothFormsAndRefusedWhenReadOnly) {
  const bool nt = GetPlatformKind() == PlatformNT;
  const char* name = nt ? "ScreenSaverIsSecure" : "ScreenSaveUsePassword";
  HKEY raw;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, KEY_ALL_ACCESS, &raw));
  RegDeleteValueA(raw, name);
  DesktopKey key(OpenReadWrite);
  long value = 0;
  EXPECT_FALSE(key.GetPasswordFlag(&value)) << "absent";
  EXPECT_TRUE(key.SetPasswordFlag(1));
  DWORD type = 0;
  RegQueryValueExA(raw, name, nullptr, &type, nullptr, nullptr);
  EXPECT_EQ(static_cast<DWORD>(nt ? REG_SZ : REG_DWORD), type);
  const DWORD minus12 = static_cast<DWORD>(-12);
  // Windows 95 stores the whole string whatever size is given; NT keeps
  // exactly the bytes given, here without a terminator.
  const struct { DWORD type; const void* data; DWORD size; BOOL read; long value; } cases[] = {
      {REG_DWORD, &minus12, 4, TRUE, -12}, {REG_SZ, "  42abc", 8, TRUE, 42},
      {REG_SZ, "123456", 3, TRUE, nt ? 123 : 123456}, {REG_BINARY, "\1\0\0\0", 4, FALSE, 0}};
  for (const auto& c : cases) {
    RegSetValueExA(raw, name, 0, c.type, static_cast<const BYTE*>(c.data), c.size);
    value = 0;
    EXPECT_EQ(c.read, key.GetPasswordFlag(&value)) << "type " << c.type << ", size " << c.size;
    EXPECT_EQ(c.value, value) << "type " << c.type << ", size " << c.size;
  }
  RegDeleteValueA(raw, name);
  RegCloseKey(raw);
  RegistryKey readOnly(RootCurrentUser, "Control Panel\\Desktop", OpenRead);
  EXPECT_EQ(OpenRead, readOnly.OpenState());
  EXPECT_FALSE(readOnly.SetValue("NapkeyTest", 1, FALSE)) << "refused without write access";
  RegistryKey missing(RootCurrentUser, "Software\\NapkeyTests\\DoesNotExist", OpenRead);
  EXPECT_EQ(OpenNothing, missing.OpenState());
}

TEST_F(SaverWin32, TestAndSetupWaitWithTheOwnerDisabled) {
  for (const auto& c : {std::make_pair(LaunchTest, " /s"), std::make_pair(LaunchSetup, " /c")}) {
    DeleteFileA(SaverLogPath().c_str());
    HWND saver = nullptr;
    bool ownerDisabled = false;
    std::thread closer([&] {
      harness::WaitUntil([&] { return (saver = VisibleTestSaver()) != nullptr; }, 10000);
      ownerDisabled = harness::WaitUntil([&] { return !IsWindowEnabled(owner); }, 10000);
      PostMessageA(saver, WM_CLOSE, 0, 0);
    });
    EXPECT_TRUE(LaunchSaver(owner, TestSaver().c_str(), c.first)) << c.second;
    closer.join();
    EXPECT_TRUE(saver && ownerDisabled) << c.second;
    EXPECT_TRUE(IsWindowEnabled(owner)) << "enabled again once the saver ended";
    EXPECT_EQ(Lines{TestSaver() + c.second}, SaverLog());
  }
}

TEST_F(SaverWin32, PreviewIntoTheWindowAndPasswordOnlyOutsideWindowsNT) {
  if (GetPlatformKind() == PlatformNT) {
    EXPECT_FALSE(ChangeSaverPassword(owner, TestSaver().c_str()));
    return ExpectOnlyAPreviewStarts();
  }
  ExpectOnlyAPreviewStarts();
  DeleteFileA(SaverLogPath().c_str());
  EXPECT_TRUE(ChangeSaverPassword(owner, TestSaver().c_str()));
  EXPECT_TRUE(harness::WaitUntil([] { return VisibleTestSaver() && !SaverLog().empty(); }, 10000));
  EXPECT_EQ(Lines{WithWindow(" /A ", owner)}, SaverLog());
}

TEST_F(SaverWin32, StartFailuresAreReportedWithThePathAndTheSystemsText) {
  const std::string missing = g_fixturesDir + "\\missing.scr";
  char texts[3][MAX_PATH + 64];  // preview, setup, password
  PreviewFailureText(missing.c_str(), texts[0], sizeof texts[0]);
  LaunchFailureText(LaunchSetup, texts[1], sizeof texts[1]);
  PasswordFailureText(missing.c_str(), texts[2], sizeof texts[2]);
  SystemErrorText notFound;
  notFound.Load(ERROR_FILE_NOT_FOUND);
  for (int i = 0; i < (GetPlatformKind() == PlatformNT ? 2 : 3); ++i) {  // NT starts nothing for a password
    harness::MessageBoxAnswerer answerer(IDOK);
    EXPECT_FALSE(i == 0   ? PreviewSaverInWindow(owner, missing.c_str())
                 : i == 1 ? LaunchSaver(owner, missing.c_str(), LaunchSetup)
                          : ChangeSaverPassword(owner, missing.c_str()));
    ASSERT_TRUE(answerer.Join()) << texts[i];
    for (const char* part : {static_cast<const char*>(texts[i]), "CreateProcess", notFound.Text()})
      EXPECT_NE(std::string::npos, answerer.Seen().text.find(part)) << answerer.Seen().text;
  }
}

LONG g_screenSaveRequests = 0;
WNDPROC g_staticProc = nullptr;
LRESULT CALLBACK CountScreenSave(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_SYSCOMMAND || (wParam & 0xFFF0) != SC_SCREENSAVE)
    return CallWindowProcA(g_staticProc, window, message, wParam, lParam);
  ++g_screenSaveRequests;
  return 0;
}

TEST_F(SaverWin32, OnWindowsNTRunAsksTheSystemOnceTheMouseRests) {
  if (GetPlatformKind() != PlatformNT) GTEST_SKIP() << "the mouse-rest wait is Windows NT's";
  g_staticProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountScreenSave)));
  std::atomic<bool> moving{true};
  std::thread mover([&] {
    for (int i = 0; moving; ++i) {
      SetCursorPos(200 + i % 400, 300);
      Sleep(5);
    }
  });
  DWORD start = GetTickCount();
  EXPECT_FALSE(LaunchSaver(owner, nullptr, LaunchRun)) << "the mouse kept moving";
  EXPECT_GE(GetTickCount() - start, 1500u) << "gives up only after 1.5 s";
  moving = false;
  mover.join();
  EXPECT_EQ(0, g_screenSaveRequests);
  start = GetTickCount();
  EXPECT_TRUE(LaunchSaver(owner, nullptr, LaunchRun));
  EXPECT_GE(GetTickCount() - start, 190u) << "the mouse must rest for 200 ms first";
  EXPECT_EQ(1, g_screenSaveRequests);
  ExpectOnlyAPreviewStarts();  // the program starts no saver itself
}

}  // namespace
