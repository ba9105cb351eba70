// The program's Windows side, in this test process against the real system.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <string>
#include <thread>

#include "base/platform_win.h"
#include "base/report_win.h"
#include "app/userxface.h"
#include "dialogs.h"
#include "res/resource.h"
#include "saver/launch_win.h"
#include "saver/desktopkey_win.h"
#include "saver/saverstate_win.h"

extern std::string g_fixturesDir;  // the test programs' folder, from the command line

namespace {

std::string TestSaver() { return g_fixturesDir + "\\testsaver.scr"; }
bool SystemFlag() {
  BOOL active = FALSE;
  return SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &active, 0) && active;
}
void SelectInSystemIni(const char* saver) { WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", saver, "system.ini"); }

LONG g_screenSaveRequests = 0;
LRESULT CALLBACK CountScreenSave(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_SYSCOMMAND || (wParam & 0xFFF0) != SC_SCREENSAVE)
    return DefWindowProcA(window, message, wParam, lParam);
  ++g_screenSaveRequests;
  return 0;
}

class SaverWin32 : public ::testing::Test {
 protected:
  void SetUp() override {
    SelectInSystemIni(TestSaver().c_str());
    SystemParametersInfoA(SPI_GETSCREENSAVETIMEOUT, 0, &savedTimeout, 0);
    owner = harness::CreateStandInWindow("NapkeyTestOwner", CountScreenSave);
  }
  void TearDown() override {
    DestroyWindow(owner);
    ShutdownSaverState();
    SystemParametersInfoA(SPI_SETSCREENSAVETIMEOUT, savedTimeout, nullptr, SPIF_UPDATEINIFILE);
    SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, TRUE, nullptr, 0);
    SelectInSystemIni(nullptr);
  }
  UINT savedTimeout = 0;
  HWND owner = nullptr;
};

// Under Wine a running process does not see another process change the flag without a broadcast, so this
// test changes it itself, as another program would on Windows, and runs the watchdog's timer in its loop.
TEST_F(SaverWin32, WatchdogKeepsUndoingAnotherProgramsEnablingOfAHeldOffSaver) {
  SyncSaverState(true);
  ASSERT_STREQ(TestSaver().c_str(), CurrentSaverState().saverPath) << "the selected saver is adopted";
  SetSaverTimeout(1);
  SetSaverActive(0);
  for (int round = 1; round <= 2; ++round) {  // the watchdog re-arms itself
    SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, TRUE, nullptr, 0);  // without telling anybody
    ASSERT_TRUE(SystemFlag());
    EXPECT_TRUE(harness::WaitUntil([] { return !SystemFlag(); }, 10000)) << "not undone in round " << round;
  }
}

// "(None)", no entry, full and short paths and the platform's form of a selection written are the system tests'.
TEST_F(SaverWin32, SystemIniSelectionIsCutToMaxPathNeverPastTheBuffer) {
  for (size_t length : {259u, 260u, 1000u}) {
    const std::string value = "C:\\" + std::string(length - 7, 'l') + ".scr";
    SelectInSystemIni(value.c_str());
    char read[MAX_PATH + 8];
    std::memset(read, '#', sizeof read);
    EXPECT_EQ(Selected, ReadSelectedSaver(read, MAX_PATH)) << length;
    EXPECT_EQ(value.substr(0, MAX_PATH - 1), read) << length;
    EXPECT_EQ('#', read[MAX_PATH]) << length;
  }
}

// Reading the flag as the system tests store it (a number on Windows 95, text on Windows NT) is theirs.
TEST(DesktopKey, PasswordFlagIsWrittenInThePlatformsForm) {
  const bool nt = GetPlatformKind() == PlatformNT;
  const char* name = nt ? "ScreenSaverIsSecure" : "ScreenSaveUsePassword";
  EXPECT_TRUE(DesktopKey(OpenReadWrite).SetPasswordFlag(1));
  HKEY raw;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, KEY_ALL_ACCESS, &raw));
  DWORD type = 0;
  RegQueryValueExA(raw, name, nullptr, &type, nullptr, nullptr);
  EXPECT_EQ(static_cast<DWORD>(nt ? REG_SZ : REG_DWORD), type);
  RegDeleteValueA(raw, name);
  RegCloseKey(raw);
}

// A failed start of a saver run is the system tests'.
TEST_F(SaverWin32, StartFailuresAreReportedWithThePathAndTheSystemsText) {
  const std::string missing = g_fixturesDir + "\\missing.scr";
  char texts[3][MAX_PATH + 64];  // preview, setup, password
  PreviewFailureText(missing.c_str(), texts[0], sizeof texts[0]);
  LaunchFailureText(LaunchSetup, texts[1], sizeof texts[1]);
  PasswordFailureText(missing.c_str(), texts[2], sizeof texts[2]);
  SystemErrorText notFound;
  notFound.Load(ERROR_FILE_NOT_FOUND);
  if (GetPlatformKind() == PlatformNT) EXPECT_FALSE(ChangeSaverPassword(owner, TestSaver().c_str())) << "NT's own";
  for (int i = 0; i < (GetPlatformKind() == PlatformNT ? 2 : 3); ++i) {  // NT starts nothing for a password
    harness::MessageBoxInfo seen;  // the box blocks this thread: another one reads and answers it
    std::thread answerer([&] {
      harness::WaitUntil([&] {
        for (HWND box : harness::Windows(GetCurrentProcessId(), "#32770")) seen = harness::ReadMessageBox(box);
        return seen.window && (harness::PressButton(seen.window, IDOK), true);
      }, 10000);
    });
    EXPECT_FALSE(i == 0   ? PreviewSaverInWindow(owner, missing.c_str())
                 : i == 1 ? LaunchSaver(owner, missing.c_str(), LaunchSetup)
                          : ChangeSaverPassword(owner, missing.c_str()));
    answerer.join();
    ASSERT_TRUE(seen.window) << texts[i];
    for (const char* part : {static_cast<const char*>(texts[i]), "CreateProcess", notFound.Text()})
      EXPECT_NE(std::string::npos, seen.text.find(part)) << seen.text;
  }
}

TEST_F(SaverWin32, OnWindowsNTRunAsksTheSystemOnceTheMouseRests) {
  if (GetPlatformKind() != PlatformNT) GTEST_SKIP() << "the mouse-rest wait is Windows NT's";
  // Under load the mover can start late or stall: only a try that kept the mouse moving counts.
  DWORD elapsed = 0, longestPause = 100, asked = TRUE;
  for (int tries = 0; tries < 5 && longestPause >= 100; ++tries) {
    std::atomic<bool> moving{true};
    std::atomic<DWORD> moves{0};
    g_screenSaveRequests = 0;
    longestPause = 0;
    std::thread mover([&] {
      for (DWORD last = GetTickCount(), now; moving; ++moves, last = now) {
        SetCursorPos(200 + moves % 400, 300);
        longestPause = std::max(longestPause, (now = GetTickCount()) - last);
        Sleep(1);
      }
    });
    EXPECT_TRUE(harness::WaitUntil([&] { return moves > 0; }, 10000)) << "the mouse mover did not start";
    const DWORD start = GetTickCount();
    asked = LaunchSaver(owner, nullptr, LaunchRun);
    elapsed = GetTickCount() - start;
    moving = false;
    mover.join();
  }
  ASSERT_LT(longestPause, 100u) << "the mouse could not be kept moving";
  EXPECT_FALSE(asked) << "the mouse kept moving";
  EXPECT_GE(elapsed, 1500u) << "gives up only after 1.5 s";
  EXPECT_EQ(0, g_screenSaveRequests);
  const DWORD start = GetTickCount();
  EXPECT_TRUE(LaunchSaver(owner, nullptr, LaunchRun));
  EXPECT_GE(GetTickCount() - start, 190u) << "the mouse must rest for 200 ms first";
  EXPECT_EQ(1, g_screenSaveRequests);
}

int FreeGdiSlots() {
  static HPEN pens[70000];
  int made = 0;
  while (made < 70000 && (pens[made] = CreatePen(PS_SOLID, 0, RGB(made & 255, 0, 0))) != nullptr) ++made;
  for (int i = 0; i < made; ++i) DeleteObject(pens[i]);
  return made;
}

// The main window handle is never cleared once set, so a process starts the program only once: the whole life is
// in one test. Everything else the program does with its windows is the system tests'.
TEST(UserXfaceLifecycle, NoGdiLeakAcrossLayoutsAndPaints) {
  DeleteFileA(harness::WindowsFile("napkey.ini").c_str());
  WritePrivateProfileStringA("Drowsel", "DisableOnStart", "0", "napkey.ini");  // not a first start
  g_instance = GetModuleHandleA(nullptr);
  UserXface* app = UserXface::Access(0);
  ASSERT_TRUE(app && app->options) << "start-up applied the loaded options";
  if (GetPlatformLevel() >= 6) {  // measured in the Windows 10 run only: it takes seconds
    const int freeBefore = FreeGdiSlots();
    for (int i = 1; i <= 1000; ++i) {
      app->options->ButtonBar.ButtonSize = i % 3;
      app->LayoutBar();
      RedrawWindow(g_mainWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    EXPECT_GE(FreeGdiSlots(), freeBefore - 4) << "GDI objects leak across 1,000 layouts and paints";
  }
  DestroyWindow(g_mainWindow);
  for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);) {}  // the WM_QUIT would end a later dialog
  UserXface::Access(2);
  DeleteFileA(harness::WindowsFile("napkey.ini").c_str());
}

}  // namespace
