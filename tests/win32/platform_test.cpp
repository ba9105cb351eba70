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

TEST(QuickHelp, ModalResultIsTheButtonPressed) {
  for (int answer : {IDOK, IDCANCEL}) {
    harness::MessageBoxAnswerer answerer(answer);  // the Quick Help is a #32770 too
    const INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_QUICK_HELP), nullptr,
                                           WelcomeDlgProc, 0);
    ASSERT_TRUE(answerer.Join());
    EXPECT_EQ(answer, result);
  }
}

}  // namespace

namespace {

TEST(FastExitChoice, ResultOfEachButton) {
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
