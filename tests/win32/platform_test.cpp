// Platform detection and dialog placement on the real system.
#include <gtest/gtest.h>

#include "app/about_win.h"
#include "app/platform_win.h"
#include "exit/fastexit_win.h"
#include "app/userxface.h"
#include "dialogs.h"
#include "res/resource.h"

namespace {

TEST(Platform, KindAndLevelMatchTheReportedVersion) {
  OSVERSIONINFOA info;
  ZeroMemory(&info, sizeof info);
  info.dwOSVersionInfoSize = sizeof info;
  ASSERT_TRUE(GetVersionExA(&info));
  const int expectedKind = info.dwPlatformId == VER_PLATFORM_WIN32_NT        ? PlatformNT
                           : info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS ? PlatformWin95
                           : info.dwPlatformId == VER_PLATFORM_WIN32s        ? PlatformWin32s
                                                                             : PlatformUnknown;
  EXPECT_EQ(expectedKind, GetPlatformKind());
  EXPECT_EQ(static_cast<int>(info.dwMajorVersion), GetPlatformLevel());
}

// The dialogs are made from the program's own templates, as the program does.
HWND CreateAbout(HWND owner) {
  return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ABOUT), owner, AboutDlgProc, 0);
}

RECT WorkArea() {
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  return work;
}

TEST(PlaceDialog, HiddenOwnerMeansCentredOnScreen) {
  HWND owner = CreateWindowExA(0, "static", "owner", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
  HWND about = CreateAbout(owner);
  ASSERT_TRUE(about);
  RECT rect, screen;
  GetWindowRect(about, &rect);
  GetWindowRect(GetDesktopWindow(), &screen);
  const long width = rect.right - rect.left, height = rect.bottom - rect.top;
  EXPECT_EQ(screen.right / 2 - width / 2, rect.left);
  EXPECT_EQ(screen.bottom / 2 - height / 2, rect.top);
  DestroyWindow(about);
  DestroyWindow(owner);
}

TEST(PlaceDialog, VisibleOwnerAtBottomEdgeKeepsDialogTwoPixelsAboveWorkArea) {
  const RECT work = WorkArea();
  HWND owner = CreateWindowExA(WS_EX_TOOLWINDOW, "static", "bar", WS_POPUP | WS_VISIBLE, 400, work.bottom - 24, 90,
                               24, nullptr, nullptr, nullptr, nullptr);
  HWND about = CreateAbout(owner);
  ASSERT_TRUE(about);
  RECT rect;
  GetWindowRect(about, &rect);
  const long width = rect.right - rect.left;
  EXPECT_EQ(work.bottom - 2, rect.bottom);
  EXPECT_EQ(400 + 45 - width / 2, rect.left) << "centred on the owner horizontally";
  DestroyWindow(about);
  DestroyWindow(owner);
}

// A template rectangle in pixels: the dialog manager converts the position
// and the size each on its own, so the far edges are their sums.
RECT DialogUnits(HWND dialog, int left, int top, int width, int height) {
  RECT rect = {left, top, width, height};
  MapDialogRect(dialog, &rect);
  return RECT{rect.left, rect.top, rect.left + rect.right, rect.top + rect.bottom};
}

RECT ClientRectOf(HWND dialog, HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void ExpectPlaced(HWND dialog, int id, int left, int top, int width, int height) {
  HWND control = GetDlgItem(dialog, id);
  ASSERT_TRUE(control) << "control " << id;
  const RECT want = DialogUnits(dialog, left, top, width, height);
  const RECT got = ClientRectOf(dialog, control);
  EXPECT_EQ(want.left, got.left) << "control " << id;
  EXPECT_EQ(want.top, got.top) << "control " << id;
  EXPECT_EQ(want.right, got.right) << "control " << id;
  EXPECT_EQ(want.bottom, got.bottom) << "control " << id;
}

TEST(AboutBox, TemplateAndTexts) {
  HWND about = CreateAbout(nullptr);
  ASSERT_TRUE(about);
  EXPECT_EQ("About Napkey+", harness::WindowText(about));
  EXPECT_EQ("Drowsel/Plus\nScreen Saver Control Utility", harness::WindowText(GetDlgItem(about, IDC_ABOUT_TITLE)));
  EXPECT_EQ("Ver. 4.10", harness::WindowText(GetDlgItem(about, IDC_ABOUT_VERSION)));
  EXPECT_EQ("for Windows 95 && NT", harness::WindowText(GetDlgItem(about, IDC_ABOUT_PLATFORM)));
  ExpectPlaced(about, IDC_ABOUT_TITLE, 29, 7, 113, 18);
  ExpectPlaced(about, IDC_ABOUT_VERSION, 29, 25, 113, 9);
  ExpectPlaced(about, IDC_ABOUT_PLATFORM, 29, 35, 113, 9);
  ExpectPlaced(about, IDOK, 37, 88, 72, 14);
  EXPECT_EQ(BS_DEFPUSHBUTTON, GetWindowLongA(GetDlgItem(about, IDOK), GWL_STYLE) & 0x0F);
  RECT client;
  GetClientRect(about, &client);
  const RECT size = DialogUnits(about, 0, 0, 147, 106);
  EXPECT_EQ(size.right, client.right);
  EXPECT_EQ(size.bottom, client.bottom);
  DestroyWindow(about);
}

TEST(QuickHelp, TemplateTextsAndAnswers) {
  HWND welcome = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_QUICK_HELP), nullptr,
                                    WelcomeDlgProc, 0);
  ASSERT_TRUE(welcome);
  EXPECT_EQ("Welcome to Drowsel/Plus!", harness::WindowText(welcome));
  EXPECT_EQ("&Yes", harness::WindowText(GetDlgItem(welcome, IDOK)));
  EXPECT_EQ("&No", harness::WindowText(GetDlgItem(welcome, IDCANCEL)));
  ExpectPlaced(welcome, IDOK, 72, 142, 38, 14);
  ExpectPlaced(welcome, IDCANCEL, 126, 142, 38, 14);
  DestroyWindow(welcome);
}

TEST(QuickHelp, ModalResultIsTheButtonPressed) {
  for (int answer : {IDOK, IDCANCEL}) {
    harness::MessageBoxAnswerer answerer(answer);  // the Quick Help is a #32770 too
    const INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_QUICK_HELP), nullptr,
                                           WelcomeDlgProc, 0);
    ASSERT_TRUE(answerer.Join());
    EXPECT_EQ(answer, result);
  }
}

TEST(Help, PathIsNextToTheProgram) {
  char module[MAX_PATH];
  GetModuleFileNameA(nullptr, module, MAX_PATH);
  std::string expected = module;
  expected = expected.substr(0, expected.rfind('\\') + 1) + "napkey.hlp";
  EXPECT_EQ(expected, GetHelpFilePath());
  CloseHelp();
}

}  // namespace

namespace {

TEST(FastExitChoice, TemplateAndResults) {
  HWND choice = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_FAST_EXIT), nullptr,
                                   FastExitDlgProc, 0);
  ASSERT_TRUE(choice);
  EXPECT_EQ("Get Out Of Windows NOW!", harness::WindowText(choice));
  ExpectPlaced(choice, IDC_FAST_EXIT_SHUTDOWN, 3, 3, 78, 36);
  ExpectPlaced(choice, IDC_FAST_EXIT_REBOOT, 3, 42, 78, 36);
  ExpectPlaced(choice, IDC_FAST_EXIT_LOGOFF, 84, 3, 78, 23);
  ExpectPlaced(choice, IDC_FAST_EXIT_RESTART95, 84, 29, 78, 23);
  ExpectPlaced(choice, IDC_FAST_EXIT_DOS, 84, 55, 78, 23);
  ExpectPlaced(choice, IDC_FAST_EXIT_HELP, 3, 85, 78, 15);
  ExpectPlaced(choice, IDCANCEL, 84, 85, 78, 15);
  RECT client;
  GetClientRect(choice, &client);
  const RECT size = DialogUnits(choice, 0, 0, 165, 103);
  EXPECT_EQ(size.right, client.right);
  EXPECT_EQ(size.bottom, client.bottom);
  DestroyWindow(choice);

  // Each button's result, through the modal run the program uses.
  g_instance = GetModuleHandleA(nullptr);
  const struct {
    int id;
    INT_PTR result;
  } kResults[] = {{IDC_FAST_EXIT_SHUTDOWN, 4}, {IDC_FAST_EXIT_REBOOT, 2}, {IDC_FAST_EXIT_LOGOFF, 3},
                  {IDC_FAST_EXIT_RESTART95, 1}, {IDC_FAST_EXIT_DOS, 5},   {IDCANCEL, 0}};
  for (const auto& button : kResults) {
    harness::MessageBoxAnswerer presser(button.id);
    EXPECT_EQ(button.result, RunFastExitDialog(nullptr)) << "button " << button.id;
    presser.Join();
  }
}

}  // namespace
