// The program's Windows side, in this test process against the real system.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <string>
#include <thread>

#include "app/messages.h"
#include "app/platform_win.h"
#include "app/report_win.h"
#include "app/userxface.h"
#include "buttonbar/bargeometry.h"
#include "buttonbar/face_win.h"
#include "dialogs.h"
#include "res/resource.h"
#include "saver/launch_win.h"
#include "saver/registry_win.h"
#include "saver/saverstate_win.h"

extern std::string g_fixturesDir;  // the test programs' folder, from the command line

namespace {

// 0 stands for the thread's last error; a number the system has no text for gets ours.
TEST(ReportError, ShowsTheSystemsTextOfTheErrorOrOurFallback) {
  SystemErrorText accessDenied;
  accessDenied.Load(ERROR_ACCESS_DENIED);
  EXPECT_NE(std::string::npos, std::string(accessDenied.Text()).find("denied")) << accessDenied.Text();
  char fallback[256];
  FallbackErrorText(2115, fallback, sizeof fallback);
  const struct { DWORD given, shown; const char* text; } cases[] = {{0, ERROR_ACCESS_DENIED, accessDenied.Text()},
                                                                     {2115, 2115, fallback}};
  for (const auto& c : cases) {
    harness::MessageBoxAnswerer answerer(IDOK);
    SetLastError(ERROR_ACCESS_DENIED);
    EXPECT_EQ(IDOK, ReportError(nullptr, ReportDiagnostics, MB_ICONHAND, "M", "Op", c.given));
    ASSERT_TRUE(answerer.Join()) << c.given;
    char expected[kReportTextSize];
    ComposeReportText(expected, sizeof expected, ReportDiagnostics, "M", "Op", c.shown, c.text);
    EXPECT_EQ(expected, answerer.Seen().text) << c.given;
  }
}

TEST(ButtonFace, EveryFaceFitsItsButtonAndDrawsOnlyWithRoom) {
  g_instance = GetModuleHandleA(nullptr);
  for (int size = 0; size < 3; ++size)
    for (int faceId : {kButtonToggle, kButtonStart, kButtonFastExit, kButtonProperties}) {
      SCOPED_TRACE("face " + std::to_string(faceId) + ", size " + std::to_string(size));
      ButtonFace face;
      face.Load(faceId, size);
      ASSERT_TRUE(face.Object());
    }
  ButtonFace face;
  face.Load(kButtonToggle, 0);
  const int side = ButtonPixelSize(0), last = side - 1;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(memory, CreateCompatibleBitmap(screen, side, side));
  EXPECT_FALSE(face.Draw(FALSE, 0, memory, face.inset, side)) << "no room inside the edge";
  for (BOOL pressed : {FALSE, TRUE}) {  // raised: light top-left, dark bottom-right; pressed: the other way round
    EXPECT_TRUE(face.Draw(pressed, 0, memory, side, side));
    EXPECT_EQ(GetSysColor(pressed ? COLOR_3DDKSHADOW : COLOR_3DHILIGHT), GetPixel(memory, 0, 0)) << pressed;
    EXPECT_EQ(GetSysColor(pressed ? COLOR_3DHILIGHT : COLOR_3DDKSHADOW), GetPixel(memory, last, last)) << pressed;
  }
  DeleteObject(SelectObject(memory, old));
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

std::string TestSaver() { return g_fixturesDir + "\\testsaver.scr"; }
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

// The saver tests' owner counts the system's saver requests instead of acting on them.
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
    SetSystemFlag(TRUE);
    SelectInSystemIni(nullptr);
  }
  UINT savedTimeout = 0;
  HWND owner = nullptr;
};

// Under Wine a running process does not see another process change the flag without a broadcast, so this
// test changes it itself, as another program would on Windows, and runs the watchdog's timer in its loop.
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
  SyncSaverState(true);  // adopts "no saver" with the saver held off
  SetSystemFlag(TRUE);
  // A timer of this thread set now fires after any watchdog that was due earlier.
  g_timerFired = false;
  ASSERT_TRUE(SetTimer(nullptr, 0, 2500, TimerFired));
  ASSERT_TRUE(harness::WaitUntil([] { return g_timerFired; }, 10000)) << "two watchdog periods";
  EXPECT_TRUE(SystemFlag()) << "no saver, nothing to guard";
}

// "(None)", no entry and the platform's form of a selection written are the system tests'.
TEST_F(SaverWin32, SystemIniSelectionReadAsStoredOrOnTheSearchPathAndNeverPastTheBuffer) {
  const std::string copy = harness::WindowsFile("napkeytest.scr");
  ASSERT_TRUE(CopyFileA(TestSaver().c_str(), copy.c_str(), FALSE));
  const struct { const char* stored; std::string read; } cases[] = {{"napkeytest.scr", copy},
                                                                     {"nowhere.scr", "nowhere.scr"}};
  for (const auto& c : cases) {
    SelectInSystemIni(c.stored);
    char read[MAX_PATH];
    EXPECT_EQ(Selected, ReadSelectedSaver(read, MAX_PATH)) << c.stored;
    EXPECT_EQ(0, lstrcmpiA(c.read.c_str(), read)) << read;
  }
  DeleteFileA(copy.c_str());
  for (size_t length : {240u, 259u, 260u, 300u, 1000u}) {
    const std::string value = "C:\\" + std::string(length - 7, 'l') + ".scr";
    SelectInSystemIni(value.c_str());
    char read[MAX_PATH + 8];
    std::memset(read, '#', sizeof read);
    EXPECT_EQ(Selected, ReadSelectedSaver(read, MAX_PATH)) << length;
    EXPECT_EQ(value.substr(0, MAX_PATH - 1), read) << length;
    EXPECT_EQ('#', read[MAX_PATH]) << length;
  }
}

TEST(DesktopKey, PasswordFlagWrittenInThePlatformsFormAndReadInBothForms) {
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
    SCOPED_TRACE("type " + std::to_string(c.type) + ", size " + std::to_string(c.size));
    RegSetValueExA(raw, name, 0, c.type, static_cast<const BYTE*>(c.data), c.size);
    value = 0;
    EXPECT_EQ(c.read, key.GetPasswordFlag(&value));
    EXPECT_EQ(c.value, value);
  }
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
    harness::MessageBoxAnswerer answerer(IDOK);
    EXPECT_FALSE(i == 0   ? PreviewSaverInWindow(owner, missing.c_str())
                 : i == 1 ? LaunchSaver(owner, missing.c_str(), LaunchSetup)
                          : ChangeSaverPassword(owner, missing.c_str()));
    ASSERT_TRUE(answerer.Join()) << texts[i];
    for (const char* part : {static_cast<const char*>(texts[i]), "CreateProcess", notFound.Text()})
      EXPECT_NE(std::string::npos, answerer.Seen().text.find(part)) << answerer.Seen().text;
  }
}

// That Windows NT starts no saver process itself is the system tests'.
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

// What UserXface::Access answers from inside CreateWindowEx of the main window.
bool g_createSeen = false;
UserXface* g_existingDuringCreate = nullptr;
UserXface* g_reenteredDuringCreate = nullptr;

LRESULT CALLBACK WatchCreate(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && message->message == WM_CREATE && !g_createSeen &&
      harness::ClassName(message->hwnd) == kMainWindowClass) {
    g_createSeen = true;
    g_existingDuringCreate = UserXface::Access(1);
    g_reenteredDuringCreate = UserXface::Access(0);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

int FreeGdiSlots() {
  static HPEN pens[70000];
  int made = 0;
  while (made < 70000 && (pens[made] = CreatePen(PS_SOLID, 0, RGB(made & 255, 0, 0))) != nullptr) ++made;
  for (int i = 0; i < made; ++i) DeleteObject(pens[i]);
  return made;
}

// The main window handle is never cleared once set, so a process starts the
// program only once: the whole life is in one test. The buttons, On Top, the
// end of the session and the end of the loop are the system tests'.
TEST(UserXfaceLifecycle, StartReentryBracketAndEnd) {
  DeleteFileA(harness::WindowsFile("napkey.ini").c_str());
  WritePrivateProfileStringA("Drowsel", "DisableOnStart", "0", "napkey.ini");  // not a first start
  g_instance = GetModuleHandleA(nullptr);
  HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, WatchCreate, nullptr, GetCurrentThreadId());
  harness::MessageBoxAnswerer answerer(IDOK);
  UserXface* app = UserXface::Access(0);
  UnhookWindowsHookEx(hook);
  ASSERT_TRUE(answerer.Join()) << "no error box for the re-entry";
  EXPECT_NE(std::string::npos, answerer.Seen().text.find("UserXface::Access re-entered")) << answerer.Seen().text;
  ASSERT_TRUE(g_createSeen);
  EXPECT_EQ(nullptr, g_existingDuringCreate) << "mode 1 yields null while initialising";
  EXPECT_EQ(nullptr, g_reenteredDuringCreate) << "mode 0 refuses re-entry";
  ASSERT_NE(nullptr, app);
  EXPECT_EQ(app, UserXface::Access(1));
  ASSERT_NE(nullptr, app->options) << "start-up applied the loaded options";

  // Hot keys are refused too while a dialog is open: the system tests try only icon clicks.
  bool refusedWhileOpen = false;
  std::thread presser([&] {
    HWND about = harness::WaitForDialog("About Napkey+", GetCurrentProcessId(), 10000);
    refusedWhileOpen = about && !app->iconClicksAllowed && !app->hotKeysAllowed;
    harness::PressButton(about, IDOK);
  });
  SendMessageA(g_mainWindow, WM_COMMAND, IDM_ABOUT, 0);
  presser.join();
  EXPECT_TRUE(refusedWhileOpen);
  EXPECT_TRUE(app->iconClicksAllowed && app->hotKeysAllowed) << "allowed again once the box closed";

  // The live record handed back to itself stays as it is.
  app->options->ButtonBar.SpaceBetween = 9;
  SendMessageA(g_mainWindow, WM_NAPKEY_APPLY_OPTIONS, 0, reinterpret_cast<LPARAM>(app->options));
  EXPECT_EQ(9, app->options->ButtonBar.SpaceBetween);

  // GDI objects must not leak across layouts and paints (measured in the Windows 10 run only: it takes seconds).
  if (GetPlatformLevel() >= 6) {
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
  EXPECT_EQ(nullptr, UserXface::Access(1)) << "nothing left after mode 2";
  EXPECT_EQ(nullptr, CurrentStartupState());
  DeleteFileA(harness::WindowsFile("napkey.ini").c_str());
}

}  // namespace
