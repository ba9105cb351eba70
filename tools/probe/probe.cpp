// Drives napkey.exe on a private display for a person to look at; not a test.
//   napkey_probe shoot NAPKEY.EXE DONE-FILE
//     (`make run` without a display) starts napkey.exe, says "ready" once there
//     is something to photograph, waits until DONE-FILE exists, answers the
//     Quick Help if it is open and ends the program through its Exit command.
//   napkey_probe gallery NAPKEY.EXE FIXTURES-FOLDER OUT-FOLDER
//     (`make gallery`) photographs the bar in every size, with the saver
//     enabled, disabled and a button held down, and joins the pictures into
//     OUT-FOLDER\bar-gallery.png; then the Screen Saver Properties dialog with
//     its mini preview and the four pages of the Customize sheet, each as
//     Windows 95 and as Windows 10.
//   napkey_probe picture NAPKEY.EXE FIXTURES-FOLDER PNG
//     (`make picture`) the program as a user sees it, for the README.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <algorithm>
#include <cstring>
#include <string>

#include "dialogs.h"
#include "driver.h"
#include "input.h"

namespace {

int Shoot(const char* doneFile) {
  driver::Napkey napkey;
  if (!napkey.Start() || !napkey.WaitMainWindow()) {
    std::printf("napkey.exe made no main window\n");
    return 1;
  }
  // A first start opens the Quick Help right after the main window exists.
  HWND welcome = harness::WaitForDialog("Welcome to Drowsel/Plus!", napkey.Pid(), 1500);
  RedrawWindow(welcome ? welcome : napkey.MainWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  std::printf("ready: %s\n", welcome ? "Quick Help is open" : "no Quick Help (not a first start)");
  std::fflush(stdout);
  harness::WaitUntil([&] { return GetFileAttributesA(doneFile) != INVALID_FILE_ATTRIBUTES; }, 30000);
  if (welcome) harness::PressButton(welcome, IDCANCEL);
  if (!napkey.ExitThroughMenu()) {
    std::printf("napkey.exe did not end through its Exit command\n");
    return 1;
  }
  std::printf("napkey.exe ended with 0\n");
  return 0;
}

// ImageMagick's import, run from here (Wine starts Unix programs); waits
// until the picture is written.
bool Photograph(const RECT& area, const std::string& png) {
  char command[1024];
  wsprintfA(command, "/usr/bin/import -window root -crop %ldx%ld+%ld+%ld +repage %s", area.right - area.left,
            area.bottom - area.top, area.left, area.top, png.c_str());
  const std::string marker = png + ".done";
  DeleteFileA(("Z:" + marker).c_str());
  std::string wrapped = "/bin/sh -c \"" + std::string(command) + " && touch " + marker + "\"";
  return harness::RunHostCommand(wrapped.c_str()) &&
         harness::WaitUntil([&] { return GetFileAttributesA(("Z:" + marker).c_str()) != INVALID_FILE_ATTRIBUTES; },
                            20000);
}

// The Screen Saver Properties dialog with its mini preview, on Windows 95 with
// a saver shown by its icon and on Windows 10 with a live one.
bool PhotographProperties(const std::string& outFolder) {
  for (const char* mode : {"win95", "win10"}) {
    driver::ResetSystem(mode);
    driver::InstallSavers();
    driver::SelectSaverInSystemIni(driver::WindowsFile(!std::strcmp(mode, "win95") ? "saver310.scr" : "testsaver.scr").c_str());
    driver::Napkey napkey;
    HWND main = napkey.Start() ? napkey.WaitMainWindow() : nullptr;
    if (!main) return false;
    PostMessageA(main, WM_NAPKEY_SAVER_PROPERTIES, 0, 0);
    HWND dialog = harness::WaitForDialog("Screen Saver Properties", napkey.Pid(), 20000);
    HWND preview = nullptr;
    harness::WaitUntil([&] { return (preview = FindWindowA("QRT_SSPreview", nullptr)) != nullptr; }, 20000);
    RECT area = {}, previewArea = {};
    GetWindowRect(dialog, &area);
    GetWindowRect(preview, &previewArea);
    UnionRect(&area, &area, &previewArea);
    for (HWND window : {dialog, preview})
      RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN);
    const bool taken = Photograph(area, outFolder + "/properties-" + mode + ".png");
    harness::PressButton(dialog, IDCANCEL);
    harness::WaitUntil([&] { return !IsWindow(dialog); }, 20000);
    if (!taken || !napkey.ExitThroughMenu()) return false;
    driver::RemoveSavers();
    std::printf("dialog picture: %s/properties-%s.png\n", outFolder.c_str(), mode);
  }
  return true;
}

// The menu with its "off for" submenu open, while a timed off runs: the
// button's text says until when.
bool PhotographMenu(const std::string& outFolder) {
  driver::ResetSystem("win10");
  driver::Napkey napkey;
  HWND main = napkey.Start() ? napkey.WaitMainWindow() : nullptr;
  if (!main || SendMessageA(main, WM_NAPKEY_TIMED_OFF, 30, 0) != 1) return false;
  std::printf("toggle button after a timed off: %s\n", harness::WindowText(GetDlgItem(main, IDC_BAR_TOGGLE)).c_str());
  PostMessageA(main, WM_NAPKEY_POPUP_MENU, 0, 0);
  if (!harness::WaitUntil([] { return !harness::Windows(0, "#32768").empty(); }, 20000)) return false;
  for (WORD key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT}) harness::KeyTap(key);
  harness::WaitUntil([] { return harness::Windows(0, "#32768").size() >= 2; }, 20000);
  const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  const bool taken = Photograph(screen, outFolder + "/menu-timed-off.png");
  harness::KeyTap(VK_ESCAPE);
  harness::KeyTap(VK_ESCAPE);
  if (!taken || !napkey.ExitThroughMenu()) return false;
  std::printf("menu picture: %s/menu-timed-off.png\n", outFolder.c_str());
  return true;
}

// The four pages of the Customize sheet, as Windows 95 and as Windows 10.
bool PhotographCustomize(const std::string& outFolder) {
  for (const char* mode : {"win95", "win10"}) {
    driver::ResetSystem(mode);
    driver::Napkey napkey;
    HWND main = napkey.Start() ? napkey.WaitMainWindow() : nullptr;
    if (!main) return false;
    PostMessageA(main, WM_COMMAND, IDM_CUSTOMIZE, 0);
    HWND sheet = harness::WaitForDialog("Customize Drowsel/Plus", napkey.Pid(), 20000);
    if (!sheet) return false;
    std::string join = "/usr/bin/convert";
    for (int page = 0; page < 4; ++page) {
      SendMessageA(sheet, PSM_SETCURSEL, page, 0);
      RedrawWindow(sheet, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN);
      RECT area;
      GetWindowRect(sheet, &area);
      const std::string png = outFolder + "/customize-" + mode + "-" + std::to_string(page) + ".png";
      if (!Photograph(area, png)) return false;
      join += " " + png;
    }
    join += " -background white -splice 8x0 +append " + outFolder + "/customize-" + mode + ".png";
    harness::RunHostCommand(("/bin/sh -c \"" + join + "\"").c_str());
    SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    harness::WaitUntil([&] { return !IsWindow(sheet); }, 20000);
    if (!napkey.ExitThroughMenu()) return false;
    std::printf("sheet pictures: %s/customize-%s.png\n", outFolder.c_str(), mode);
  }
  return true;
}

// The picture at the top of the README, as a user of Windows 95 sees the
// program: on a desktop of the classic colour, the bar docked at the bottom,
// its two icons in the system tray, and Screen Saver Properties with the mini
// preview of a saver that is shown by its icon.
int Picture(const std::string& png) {
  driver::ResetSystem("win95");
  driver::InstallSavers();
  driver::SelectSaverInSystemIni(driver::WindowsFile("saver310.scr").c_str());
  WNDCLASSA desktopClass = {};
  desktopClass.lpfnWndProc = DefWindowProcA;
  desktopClass.hInstance = GetModuleHandleA(nullptr);
  desktopClass.hbrBackground = CreateSolidBrush(RGB(0, 128, 128));
  desktopClass.lpszClassName = "NapkeyPictureDesktop";
  RegisterClassA(&desktopClass);
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  HWND desktop = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, desktopClass.lpszClassName, "",
                                 WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr, nullptr, nullptr, nullptr);
  SetWindowPos(desktop, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

  driver::Napkey napkey;
  HWND main = napkey.Start() ? napkey.WaitMainWindow() : nullptr;
  if (!main) return 1;
  harness::MouseMoveTo(width / 2, 10);
  RECT bar, tray = {};
  GetWindowRect(main, &bar);
  // Wine shows the icons in a window of its own when no taskbar is running;
  // it goes where a taskbar's notification area would be, above the bar.
  HWND trayWindow = nullptr;
  harness::WaitUntil([&] { return (trayWindow = FindWindowA(nullptr, "Wine System Tray")) != nullptr; }, 20000);
  if (trayWindow) {
    GetWindowRect(trayWindow, &tray);
    OffsetRect(&tray, width - 8 - tray.right, bar.top - 8 - tray.bottom);
    SetWindowPos(trayWindow, nullptr, tray.left, tray.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  PostMessageA(main, WM_NAPKEY_SAVER_PROPERTIES, 0, 0);
  HWND dialog = harness::WaitForDialog("Screen Saver Properties", napkey.Pid(), 20000);
  HWND preview = nullptr;
  harness::WaitUntil([&] { return (preview = FindWindowA("QRT_SSPreview", nullptr)) != nullptr; }, 20000);
  if (!dialog || !preview) return 1;
  // The dialog opens centred on the bar; lift it and its preview clear of
  // the bar and the icons so that all three show.
  RECT dialogArea;
  GetWindowRect(dialog, &dialogArea);
  const LONG dx = std::min(0L, width - 16 - dialogArea.right);
  const LONG dy = std::min(0L, (trayWindow ? tray.top : bar.top) - 16 - dialogArea.bottom);
  for (HWND window : {dialog, preview}) {
    RECT place;
    GetWindowRect(window, &place);
    SetWindowPos(window, nullptr, place.left + dx, place.top + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  RECT area = bar, part;
  for (HWND window : {dialog, preview}) {
    GetWindowRect(window, &part);
    UnionRect(&area, &area, &part);
  }
  UnionRect(&area, &area, &tray);
  InflateRect(&area, 16, 16);
  area.left = std::max(0L, area.left), area.top = std::max(0L, area.top);
  area.right = std::min<LONG>(width, area.right), area.bottom = std::min<LONG>(height, area.bottom);
  for (HWND window : {desktop, main, dialog, preview, trayWindow})
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN);
  harness::PumpFor(200);  // the other processes' windows repaint on their own
  const bool taken = Photograph(area, png);
  harness::PressButton(dialog, IDCANCEL);
  harness::WaitUntil([&] { return !IsWindow(dialog); }, 20000);
  const bool ended = napkey.ExitThroughMenu();
  driver::RemoveSavers();
  DestroyWindow(desktop);
  if (!taken || !ended) return 1;
  std::printf("picture: %s\n", png.c_str());
  return 0;
}

int Gallery(const std::string& outFolder) {
  std::string join = "/usr/bin/convert";
  for (int size = 0; size < 3; ++size) {
    char ini[128];
    wsprintfA(ini, "[ButtonBar]\r\nButtonSize=%d\r\n[Position]\r\nEdge=4\r\nOrient=1\r\nX=200\r\nY=200\r\n", size);
    driver::ResetSystem("win95", ini);
    driver::Napkey napkey;
    HWND main = napkey.Start() ? napkey.WaitMainWindow() : nullptr;
    if (!main) return 1;
    harness::MouseMoveTo(10, 10);
    // The frame's light inner line shows once the bar is in place and painted.
    RECT bar;
    if (!harness::WaitUntil(
            [&] {
              GetWindowRect(main, &bar);
              return harness::ScreenPixel(bar.left + 5, bar.top + 1) == GetSysColor(COLOR_3DHILIGHT);
            },
            20000))
      std::printf("size %d: the bar did not show\n", size);
    const RECT around = {bar.left - 4, bar.top - 4, bar.right + 4, bar.bottom + 4};
    join += " \\(";
    for (const char* state : {"enabled", "disabled", "pressed"}) {
      if (!std::strcmp(state, "disabled")) SendMessageA(main, WM_NAPKEY_TOGGLE_SAVER, 0, 0);
      if (!std::strcmp(state, "pressed")) {
        const POINT at = harness::CentreOf(GetDlgItem(main, IDC_BAR_START));
        harness::MouseMoveTo(at.x, at.y);
        harness::MouseButton(false, true);
        harness::WaitUntil([&] { return harness::CaptureOf(main) != nullptr; }, 20000);
      }
      RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
      char name[64];
      wsprintfA(name, "/bar-size%d-%s.png", size, state);
      if (!Photograph(around, outFolder + name)) return 1;
      join += " " + outFolder + name;
    }
    harness::MouseButton(false, false);
    harness::MouseMoveTo(10, 10);
    join += " -background white -splice 8x0 +append \\)";
    if (!napkey.ExitThroughMenu()) return 1;
  }
  join += " -background white -splice 0x8 -append -scale 400% " + outFolder + "/bar-gallery.png";
  if (!PhotographMenu(outFolder) || !PhotographProperties(outFolder) || !PhotographCustomize(outFolder)) return 1;
  harness::RunHostCommand(("/bin/sh -c \"" + join + " && touch " + outFolder + "/bar-gallery.done\"").c_str());
  const std::string done = "Z:" + outFolder + "/bar-gallery.done";
  if (!harness::WaitUntil([&] { return GetFileAttributesA(done.c_str()) != INVALID_FILE_ATTRIBUTES; }, 20000)) return 1;
  std::printf("bar pictures: %s/bar-gallery.png\n", outFolder.c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 4 && !std::strcmp(argv[1], "shoot")) {
    driver::SetPaths(argv[2], std::string());
    return Shoot(argv[3]);
  }
  if (argc >= 5 && !std::strcmp(argv[1], "gallery")) {
    driver::SetPaths(argv[2], argv[3]);
    return Gallery(argv[4]);
  }
  if (argc >= 5 && !std::strcmp(argv[1], "picture")) {
    driver::SetPaths(argv[2], argv[3]);
    return Picture(argv[4]);
  }
  std::fprintf(stderr, "usage: napkey_probe shoot NAPKEY.EXE DONE-FILE\n"
                       "       napkey_probe picture NAPKEY.EXE FIXTURES-FOLDER UNIX-PNG\n"
                       "       napkey_probe gallery NAPKEY.EXE FIXTURES-FOLDER UNIX-OUT-FOLDER\n");
  return 2;
}
