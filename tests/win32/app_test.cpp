// The program's Windows side in this test process, against the real system:
// platform, dialogs, error reports, the settings file, the bar's pieces and
// the application object's whole life.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "app/about_win.h"
#include "app/messages.h"
#include "app/platform_win.h"
#include "app/report_win.h"
#include "app/startup.h"
#include "app/userxface.h"
#include "buttonbar/bargeometry.h"
#include "buttonbar/face_win.h"
#include "buttonbar/input_win.h"
#include "dialogs.h"
#include "exit/fastexit_win.h"
#include "res/resource.h"
#include "saver/saverstate_win.h"
#include "settings/options_win.h"
#include "testenv.h"

namespace {

TEST(Platform, KindAndLevelMatchTheReportedVersion) {
  OSVERSIONINFOA info = {sizeof info};
  ASSERT_TRUE(GetVersionExA(&info));
  const int kinds[] = {PlatformWin32s, PlatformWin95, PlatformNT};  // by VER_PLATFORM_WIN32s, _WINDOWS, _NT
  EXPECT_EQ(info.dwPlatformId < 3 ? kinds[info.dwPlatformId] : PlatformUnknown, GetPlatformKind());
  EXPECT_EQ(static_cast<int>(info.dwMajorVersion), GetPlatformLevel());
}

// Where the About box opens, placed by its own dialog procedure.
RECT PlacedAbout(HWND owner) {
  RECT rect = {};
  HWND about = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ABOUT), owner, AboutDlgProc, 0);
  EXPECT_TRUE(GetWindowRect(about, &rect));
  DestroyWindow(about);
  return rect;
}

TEST(PlaceDialog, CentredOnTheScreenOrOnAVisibleOwnerInsideTheWorkArea) {
  RECT screen, work;
  GetWindowRect(GetDesktopWindow(), &screen);
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  HWND bar = CreateWindowExA(WS_EX_TOOLWINDOW, "static", "bar", WS_POPUP, 400, work.bottom - 24, 90, 24, nullptr,
                             nullptr, nullptr, nullptr);
  RECT rect = PlacedAbout(bar);
  EXPECT_EQ(screen.right / 2 - (rect.right - rect.left) / 2, rect.left) << "a hidden owner does not count";
  EXPECT_EQ(screen.bottom / 2 - (rect.bottom - rect.top) / 2, rect.top);
  ShowWindow(bar, SW_SHOWNOACTIVATE);
  rect = PlacedAbout(bar);
  EXPECT_EQ(400 + 45 - (rect.right - rect.left) / 2, rect.left) << "centred on the owner";
  EXPECT_EQ(work.bottom - 2, rect.bottom) << "two pixels above the bottom of the work area";
  DestroyWindow(bar);
}

INT_PTR RunQuickHelp() {
  return DialogBoxParamA(g_instance, MAKEINTRESOURCEA(IDD_QUICK_HELP), nullptr, WelcomeDlgProc, 0);
}
INT_PTR RunFastExitChoice() { return RunFastExitDialog(nullptr); }

TEST(ModalDialogs, ResultOfEachButton) {
  g_instance = GetModuleHandleA(nullptr);  // where the dialogs find their templates
  const struct { const char* label; INT_PTR (*run)(); int button; INT_PTR result; } cases[] = {
      {"Quick Help, Yes", RunQuickHelp, IDOK, IDOK}, {"Quick Help, No", RunQuickHelp, IDCANCEL, IDCANCEL},
      {"shut down", RunFastExitChoice, IDC_FAST_EXIT_SHUTDOWN, 4},
      {"reboot", RunFastExitChoice, IDC_FAST_EXIT_REBOOT, 2}, {"log off", RunFastExitChoice, IDC_FAST_EXIT_LOGOFF, 3},
      {"restart Windows 95", RunFastExitChoice, IDC_FAST_EXIT_RESTART95, 1},
      {"MS-DOS mode", RunFastExitChoice, IDC_FAST_EXIT_DOS, 5}, {"cancel", RunFastExitChoice, IDCANCEL, 0}};
  for (const auto& c : cases) {
    harness::MessageBoxAnswerer presser(c.button);  // presses in any dialog box of this process
    EXPECT_EQ(c.result, c.run()) << c.label;
    EXPECT_TRUE(presser.Join()) << c.label;
  }
}

// The composed text with the system's text for the error (the thread's last
// error for 0), or ours for a number the system has none for.
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

class RealIni : public ::testing::Test {
 protected:
  void SetUp() override { TearDown(); }
  void TearDown() override {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, "napkey.ini");  // drops the cached file
    DeleteFileA(WindowsFile("napkey.ini").c_str());
  }
};

TEST_F(RealIni, FirstStartIsRecordedAtOnceInTheWindowsDirectory) {
  StartupState first, again;
  first.Load(NapkeyIni());
  EXPECT_TRUE(first.firstStart);
  first.RecordStart(NapkeyIni());
  EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(WindowsFile("napkey.ini").c_str()));
  again.Load(NapkeyIni());
  EXPECT_FALSE(again.firstStart);
}

// Values written by hand load as the platform's reader has them; hot keys are 16-bit.
TEST_F(RealIni, NegativeHugeAndBrokenValues) {
  const struct { const char* section; const char* key; const char* stored; const char* saved; } cases[] = {
      {"Position", "X", "-30", "-30"}, {"Position", "Edge", "abc", "0"}, {"Position", "Orient", "2x", "2"},
      {"Hot Keys", "StartSS", "70000", "4464"}, {"Hot Keys", "Menu", "-1", "65535"}};
  for (const auto& c : cases) WritePrivateProfileStringA(c.section, c.key, c.stored, "napkey.ini");
  Options options(4);
  options.Load(NapkeyIni(), 4);
  options.Save(NapkeyIni());
  for (const auto& c : cases) {
    char saved[16] = "";
    GetPrivateProfileStringA(c.section, c.key, "", saved, sizeof saved, "napkey.ini");
    EXPECT_STREQ(c.saved, saved) << c.key << "=" << c.stored;
  }
}

TEST(ChildWindowHelpers, ActOnEveryDescendant) {
  HWND parent = CreateWindowExA(0, "static", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  HWND child = CreateWindowExA(0, "button", "", WS_CHILD, 0, 0, 10, 10, parent, nullptr, nullptr, nullptr);
  HWND grandChild = CreateWindowExA(0, "button", "", WS_CHILD, 0, 0, 5, 5, child, nullptr, nullptr, nullptr);
  EXPECT_EQ(2, InvalidateChildWindows(parent));
  EXPECT_EQ(2, DisableChildWindows(parent));
  EXPECT_FALSE(IsWindowEnabled(child) || IsWindowEnabled(grandChild));
  DestroyWindow(parent);
}

TEST(ButtonFace, EveryFaceFitsItsButtonAndDrawsOnlyWithRoom) {
  g_instance = GetModuleHandleA(nullptr);
  for (int size = 0; size < 3; ++size)
    for (int faceId : {kButtonToggle, kButtonStart, kButtonFastExit, kButtonProperties}) {
      ButtonFace face;
      face.Load(faceId, size);
      ASSERT_TRUE(face.Object()) << "face " << faceId << ", size " << size;
      EXPECT_EQ(ButtonPixelSize(size), face.frameWidth + face.inset) << "face " << faceId << ", size " << size;
    }
  ButtonFace face, empty;
  face.Load(kButtonToggle, 0);
  const int side = ButtonPixelSize(0), last = side - 1;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(memory, CreateCompatibleBitmap(screen, side, side));
  EXPECT_FALSE(face.Draw(FALSE, 0, memory, face.inset, side)) << "no room inside the edge";
  EXPECT_FALSE(empty.Draw(FALSE, 0, memory, side, side)) << "no bitmap, nothing drawn";
  for (BOOL pressed : {FALSE, TRUE}) {  // raised: light top-left, dark bottom-right; pressed: the other way round
    EXPECT_TRUE(face.Draw(pressed, 0, memory, side, side));
    EXPECT_EQ(GetSysColor(pressed ? COLOR_3DDKSHADOW : COLOR_3DHILIGHT), GetPixel(memory, 0, 0)) << pressed;
    EXPECT_EQ(GetSysColor(pressed ? COLOR_3DHILIGHT : COLOR_3DDKSHADOW), GetPixel(memory, last, last)) << pressed;
  }
  DeleteObject(SelectObject(memory, old));
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

// What UserXface::Access answers from inside CreateWindowEx of the main window.
bool g_createSeen = false;
UserXface* g_existingDuringCreate = nullptr;
UserXface* g_reenteredDuringCreate = nullptr;

LRESULT CALLBACK WatchCreate(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && message->message == WM_CREATE && !g_createSeen &&
      harness::ClassName(message->hwnd) == "Napkey") {
    g_createSeen = true;
    g_existingDuringCreate = UserXface::Access(1);
    g_reenteredDuringCreate = UserXface::Access(0);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// How many GDI objects this process can still create (up to a limit).
int FreeGdiSlots() {
  static HPEN pens[70000];
  int made = 0;
  while (made < 70000 && (pens[made] = CreatePen(PS_SOLID, 0, RGB(made & 255, 0, 0))) != nullptr) ++made;
  for (int i = 0; i < made; ++i) DeleteObject(pens[i]);
  return made;
}

// The main window handle is never cleared once set, so a process starts the
// program only once: the whole life is in one test.
TEST(UserXfaceLifecycle, StartReentryBracketAndEnd) {
  DeleteFileA(WindowsFile("napkey.ini").c_str());
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
  for (HWND button : {app->toggleButton, app->startButton, app->fastExitButton, app->propertiesButton})
    EXPECT_EQ(g_mainWindow, GetParent(button)) << "the four bar buttons";

  // While one of the program's dialogs is open, icon clicks and hot keys are refused.
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
  const int32_t onTop = app->options->ButtonBar.OnTop;
  SendMessageA(g_mainWindow, WM_COMMAND, IDM_TOGGLE_ON_TOP, 0);
  EXPECT_EQ(onTop ? 0 : 1, app->options->ButtonBar.OnTop);

  // GDI objects must not leak across layouts and paints (measured once, in
  // the Windows 10 run: it takes seconds).
  if (GetPlatformLevel() >= 6) {
    const int freeBefore = FreeGdiSlots();
    for (int i = 1; i <= 1000; ++i) {
      app->options->ButtonBar.ButtonSize = i % 3;
      app->LayoutBar();
      RedrawWindow(g_mainWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    EXPECT_GE(FreeGdiSlots(), freeBefore - 4) << "GDI objects leak across 1,000 layouts and paints";
  }

  // Windows asking to end: the settings are written, the answer is yes.
  EXPECT_EQ(1, SendMessageA(g_mainWindow, WM_QUERYENDSESSION, 0, 0));
  EXPECT_EQ(9u, GetPrivateProfileIntA("ButtonBar", "SpaceBetween", 0, "napkey.ini"));
  EXPECT_EQ(CurrentSaverState().active ? 0u : 1u, GetPrivateProfileIntA("Drowsel", "DisableOnStart", 9, "napkey.ini"));
  DestroyWindow(g_mainWindow);
  bool quit = false;
  for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);) quit = quit || message.message == WM_QUIT;
  EXPECT_TRUE(quit) << "the message loop is told to end";
  UserXface::Access(2);
  EXPECT_EQ(nullptr, UserXface::Access(1)) << "nothing left after mode 2";
  EXPECT_EQ(nullptr, CurrentStartupState());
  DeleteFileA(WindowsFile("napkey.ini").c_str());
}

}  // namespace
