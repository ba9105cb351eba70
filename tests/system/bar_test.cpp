// The Button Bar of the real program, driven with real mouse and keyboard input.
#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>

#include "driver.h"
#include "input.h"
#include "msgspy.h"

namespace {

using driver::Napkey;

constexpr UINT kToggle = 0x8000 + 13, kStart = 0x8000 + 14, kProperties = 0x8000 + 15, kFastExit = 0x8000 + 16,
               kMenu = 0x8000 + 17;

RECT RectOf(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  return rect;
}

long Width(const RECT& r) { return r.right - r.left; }
long Height(const RECT& r) { return r.bottom - r.top; }

class ButtonBar : public ::testing::Test {
 protected:
  void SetUp() override { driver::ResetSystem("win95"); }
  void TearDown() override {
    harness::MouseMoveTo(10, 10);
    driver::ResetSystem("win95");
  }

  HWND Start(const char* ini = nullptr, const std::string& exe = std::string(), bool withSaver = false) {
    driver::ResetSystem("win95", ini);
    driver::MarkStartedBefore();
    if (withSaver) driver::SelectSaverInSystemIni(driver::TestSaverPath().c_str());
    if (!napkey.Start("", exe)) return nullptr;
    main = napkey.WaitMainWindow();
    if (main) harness::WaitUntil([&] { return IsWindowVisible(main) != FALSE; }, 5000);
    return main;
  }
  HWND Button(int id) const { return GetDlgItem(main, id); }
  // A point on the bar's background (its border), away from the buttons.
  POINT Background() const {
    const RECT bar = RectOf(main);
    return POINT{bar.left + 1, bar.top + 1};
  }

  Napkey napkey;
  HWND main = nullptr;
};

TEST_F(ButtonBar, DefaultsGiveAHorizontalBarInTheBottomRightCorner) {
  ASSERT_TRUE(Start());
  const RECT bar = RectOf(main);
  EXPECT_EQ(90, Width(bar));
  EXPECT_EQ(24, Height(bar));
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), bar.right);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), bar.bottom);
  // Places in the bar's order: Fast Exit, properties, enable/disable, start.
  const int order[] = {1004, 1002, 1001, 1003};
  for (int i = 0; i < 4; ++i) {
    const RECT button = RectOf(Button(order[i]));
    EXPECT_EQ(bar.left + 3 + i * 22, button.left) << order[i];
    EXPECT_EQ(18, Width(button)) << order[i];
    EXPECT_TRUE(IsWindowVisible(Button(order[i])));
  }
  EXPECT_EQ("Disable screen saver", harness::WindowText(Button(1001)));
  EXPECT_EQ("Exit Windows...", harness::WindowText(Button(1004)));
  EXPECT_TRUE(GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOPMOST) << "OnTop by default";
  EXPECT_TRUE(napkey.ExitThroughMenu());
}

TEST_F(ButtonBar, SizesFollowOrientationButtonSizeAndSelection) {
  const struct {
    const char* ini;
    long width, height;
  } cases[] = {
      {"[Position]\r\nOrient=0\r\n", 24, 90},
      {"[Position]\r\nOrient=2\r\nEdge=4\r\n", 46, 46},
      {"[ButtonBar]\r\nButtonSize=1\r\n", 126, 33},
      {"[ButtonBar]\r\nButtonSize=2\r\n", 166, 43},
      {"[ButtonBar]\r\nSelection=7\r\n[Position]\r\nOrient=2\r\nEdge=4\r\n", 46, 46},
      {"[ButtonBar]\r\nSelection=1\r\nBorder=0\r\n", 18, 18},
      {"[ButtonBar]\r\nSpaceBetween=0\r\nBorder=1\r\n", 2 + 4 * 18, 20},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(Start(c.ini)) << c.ini;
    const RECT bar = RectOf(main);
    EXPECT_EQ(c.width, Width(bar)) << c.ini;
    EXPECT_EQ(c.height, Height(bar)) << c.ini;
    EXPECT_TRUE(napkey.ExitThroughMenu());
    napkey.~Napkey();
    new (&napkey) Napkey();
  }
}

TEST_F(ButtonBar, FloatingBarStaysOnePixelInside) {
  ASSERT_TRUE(Start("[Position]\r\nEdge=4\r\nOrient=2\r\n"));
  const RECT bar = RectOf(main);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN) - 1, bar.right);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN) - 1, bar.bottom);
  EXPECT_TRUE(napkey.ExitThroughMenu());
}

TEST_F(ButtonBar, BorderZeroPaintsNoFrame) {
  ASSERT_TRUE(Start("[ButtonBar]\r\nBorder=0\r\nSpaceBetween=6\r\n"));
  harness::PumpFor(300);
  const RECT bar = RectOf(main);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  // In the gap between the first two buttons, top and bottom rows.
  EXPECT_EQ(face, harness::ScreenPixel(bar.left + 20, bar.top));
  EXPECT_EQ(face, harness::ScreenPixel(bar.left + 20, bar.bottom - 1));
  EXPECT_TRUE(napkey.ExitThroughMenu());

  Napkey framed;
  driver::ResetSystem("win95", "[ButtonBar]\r\nBorder=3\r\nSpaceBetween=6\r\n");
  driver::MarkStartedBefore();
  ASSERT_TRUE(framed.Start());
  HWND framedMain = framed.WaitMainWindow();
  ASSERT_TRUE(framedMain);
  harness::PumpFor(300);
  const RECT framedBar = RectOf(framedMain);
  EXPECT_EQ(GetSysColor(COLOR_3DDKSHADOW), harness::ScreenPixel(framedBar.left + 23, framedBar.bottom - 1));
  EXPECT_EQ(GetSysColor(COLOR_3DHILIGHT), harness::ScreenPixel(framedBar.left + 23, framedBar.top + 1));
  EXPECT_TRUE(framed.ExitThroughMenu());
}

TEST_F(ButtonBar, EachButtonRunsItsCommand) {
  ASSERT_TRUE(Start(nullptr, driver::RecordingNapkeyExe(), true));
  harness::MessageSpy spy(main);
  ASSERT_TRUE(spy.Ok());

  POINT at = harness::CentreOf(Button(1001));
  harness::ClickAt(at.x, at.y);
  EXPECT_TRUE(harness::WaitUntil([&] { return spy.Count(kToggle) == 1; }, 3000));
  EXPECT_FALSE(driver::SystemSaverActive());
  EXPECT_EQ("Enable screen saver", harness::WindowText(Button(1001)));
  harness::ClickAt(at.x, at.y + 1);
  harness::PumpFor(600);  // two clicks on one spot must not merge into a double click
  EXPECT_TRUE(harness::WaitUntil([&] { return spy.Count(kToggle) == 2; }, 3000));
  EXPECT_TRUE(driver::SystemSaverActive());
  EXPECT_EQ("Disable screen saver", harness::WindowText(Button(1001)));

  at = harness::CentreOf(Button(1003));
  harness::ClickAt(at.x, at.y);
  EXPECT_TRUE(harness::WaitUntil([&] { return spy.Count(kStart) == 1; }, 3000));
  EXPECT_TRUE(harness::WaitUntil([] { return !driver::ReadLog(driver::FixturePath("testsaver.log")).empty(); }, 5000));
  driver::CloseTestSavers();

  at = harness::CentreOf(Button(1002));
  harness::ClickAt(at.x, at.y);
  EXPECT_TRUE(harness::WaitUntil([&] { return spy.Count(kProperties) == 1; }, 3000));

  at = harness::CentreOf(Button(1004));
  harness::ClickAt(at.x, at.y);
  EXPECT_TRUE(harness::WaitUntil([&] { return spy.Count(kFastExit, 0, false) == 1; }, 3000));
  HWND choice = harness::WaitForDialog("Get Out Of Windows NOW!", napkey.Pid(), 5000);
  ASSERT_TRUE(choice);
  harness::PressButton(choice, IDCANCEL);
  harness::WaitUntil([&] { return !IsWindowVisible(choice); }, 5000);
  EXPECT_TRUE(napkey.ExitThroughMenu());
}

TEST_F(ButtonBar, SecondaryClickOnAButtonOpensTheMenuWithoutPressingIt) {
  ASSERT_TRUE(Start());
  harness::MessageSpy spy(main);
  const POINT at = harness::CentreOf(Button(1001));
  harness::ClickAt(at.x, at.y, true);
  std::vector<harness::SpiedMenuItem> items;
  EXPECT_TRUE(spy.WaitForPopup(5000, &items)) << "no popup menu";
  EXPECT_EQ(1, spy.Count(kMenu));
  harness::Key(VK_ESCAPE, true);
  harness::Key(VK_ESCAPE, false);
  harness::PumpFor(200);
  EXPECT_EQ(0, spy.Count(kToggle)) << "the button was not pressed";
  EXPECT_TRUE(driver::SystemSaverActive());
  EXPECT_TRUE(napkey.ExitThroughMenu());
}

TEST_F(ButtonBar, ShiftDragOnAButtonMovesTheBarAndRunsNothing) {
  ASSERT_TRUE(Start());
  harness::MessageSpy spy(main);
  const RECT before = RectOf(main);
  {
    harness::HeldKey shift(VK_SHIFT);
    const POINT from = harness::CentreOf(Button(1003));
    harness::DragMouse(from, POINT{from.x - 400, from.y - 300});
  }
  const RECT after = RectOf(main);
  EXPECT_NE(before.left, after.left);
  EXPECT_NE(before.top, after.top);
  EXPECT_EQ(0, spy.Count(kToggle) + spy.Count(kStart) + spy.Count(kProperties) + spy.Count(kFastExit));
  EXPECT_TRUE(napkey.ExitThroughMenu());
  EXPECT_EQ(4, driver::IniInt("Position", "Edge", -9)) << "dragged off the bottom edge: floating";
  EXPECT_EQ(2, driver::IniInt("Position", "Orient", -9));
}

TEST_F(ButtonBar, DraggingToTheTopDocksHorizontalAndAwayFloatsAsABlock) {
  ASSERT_TRUE(Start("[Position]\r\nEdge=4\r\nOrient=2\r\nX=400\r\nY=300\r\n"));
  RECT bar = RectOf(main);
  ASSERT_EQ(46, Width(bar));
  POINT grab = Background();
  harness::DragMouse(grab, POINT{grab.x + 50, 0});
  bar = RectOf(main);
  EXPECT_EQ(0, bar.top) << "docked at the top";
  EXPECT_EQ(90, Width(bar)) << "and horizontal";
  EXPECT_EQ(24, Height(bar));

  grab = Background();
  harness::DragMouse(grab, POINT{grab.x, 300});
  bar = RectOf(main);
  EXPECT_EQ(46, Width(bar)) << "floating again, as a block";
  EXPECT_EQ(46, Height(bar));
  EXPECT_GT(bar.top, 200);
  EXPECT_TRUE(napkey.ExitThroughMenu());
  EXPECT_EQ(4, driver::IniInt("Position", "Edge", -9));
  EXPECT_EQ(2, driver::IniInt("Position", "Orient", -9));
  EXPECT_EQ(bar.left, driver::IniInt("Position", "X", -9));
  EXPECT_EQ(bar.top, driver::IniInt("Position", "Y", -9));
}

TEST_F(ButtonBar, CtrlKeepsTheOrientationWhenDocking) {
  ASSERT_TRUE(Start("[Position]\r\nEdge=4\r\nOrient=2\r\nX=400\r\nY=300\r\n"));
  {
    harness::HeldKey ctrl(VK_CONTROL);
    const POINT grab = Background();
    harness::DragMouse(grab, POINT{grab.x, 0});
  }
  const RECT bar = RectOf(main);
  EXPECT_EQ(0, bar.top);
  EXPECT_EQ(46, Width(bar)) << "still a block";
  EXPECT_TRUE(napkey.ExitThroughMenu());
  EXPECT_EQ(0, driver::IniInt("Position", "Edge", -9));
  EXPECT_EQ(2, driver::IniInt("Position", "Orient", -9));
}

HWND FindTooltip(DWORD pid) {
  for (HWND window : harness::TopLevelWindows(pid))
    if (harness::ClassName(window) == "QRT_Tooltip") return window;
  return nullptr;
}

// Width of a tooltip for `text`: measured as the tooltip does, with the
// default font of a fresh window's device context.
long TooltipWidthFor(const std::string& text) {
  HWND probe = CreateWindowExA(0, "static", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  HDC dc = GetDC(probe);
  const std::string padded = " " + text + " ";
  SIZE size;
  GetTextExtentPoint32A(dc, padded.c_str(), static_cast<int>(padded.size()), &size);
  ReleaseDC(probe, dc);
  DestroyWindow(probe);
  return size.cx + 2;
}

TEST_F(ButtonBar, TooltipAfterASecondJumpsAtOnceAndNotOnTheBackground) {
  ASSERT_TRUE(Start("[Position]\r\nEdge=4\r\nOrient=1\r\nX=300\r\nY=300\r\n"));
  const POINT start = harness::CentreOf(Button(1003));
  harness::MouseMoveTo(start.x, start.y);
  harness::MouseMoveTo(start.x + 1, start.y);
  harness::PumpFor(500);
  EXPECT_EQ(nullptr, FindTooltip(napkey.Pid())) << "not before a second";
  HWND tip = nullptr;
  ASSERT_TRUE(harness::WaitUntil([&] { return (tip = FindTooltip(napkey.Pid())) != nullptr; }, 1500));
  const RECT button = RectOf(Button(1003));
  RECT shown = RectOf(tip);
  EXPECT_EQ(button.left, shown.left);
  EXPECT_EQ(button.bottom + GetSystemMetrics(SM_CYCURSOR) / 3, shown.top) << "just below the button";
  EXPECT_EQ(TooltipWidthFor("Start screen saver"), Width(shown)) << "sized for the button's text";

  const POINT toggle = harness::CentreOf(Button(1001));
  harness::MouseMoveTo(toggle.x, toggle.y);
  ASSERT_TRUE(harness::WaitUntil(
      [&] {
        tip = FindTooltip(napkey.Pid());
        return tip && RectOf(tip).left == RectOf(Button(1001)).left;
      },
      300))
      << "moved to the next button at once";
  EXPECT_EQ(TooltipWidthFor("Disable screen saver"), Width(RectOf(tip)));

  const POINT background = Background();
  harness::MouseMoveTo(background.x, background.y);
  harness::PumpFor(1500);
  EXPECT_EQ(nullptr, FindTooltip(napkey.Pid())) << "the background has none";
  EXPECT_TRUE(napkey.ExitThroughMenu());
}

TEST_F(ButtonBar, NoTooltipsWhenSwitchedOff) {
  ASSERT_TRUE(Start("[ButtonBar]\r\nTooltips=0\r\n[Position]\r\nEdge=4\r\nX=300\r\nY=300\r\n"));
  const POINT at = harness::CentreOf(Button(1003));
  harness::MouseMoveTo(at.x, at.y);
  harness::PumpFor(1600);
  EXPECT_EQ(nullptr, FindTooltip(napkey.Pid()));
  EXPECT_TRUE(napkey.ExitThroughMenu());
}

}  // namespace

namespace {

// Pictures of the bar for a person to look at: every size, the saver enabled
// and disabled, a button pressed and not. Saved under the test build's
// fixtures folder in shots/, and joined into bar-gallery.png there.
TEST(ButtonBarPictures, EverySizeAndState) {
  const std::string folder = driver::FixturePath("shots");
  CreateDirectoryA(folder.c_str(), nullptr);
  std::string gallery = "/usr/bin/convert";
  for (int size = 0; size < 3; ++size) {
    char ini[128];
    wsprintfA(ini, "[ButtonBar]\r\nButtonSize=%d\r\n[Position]\r\nEdge=4\r\nOrient=1\r\nX=200\r\nY=200\r\n", size);
    driver::ResetSystem("win95", ini);
    driver::MarkStartedBefore();
    driver::Napkey napkey;
    ASSERT_TRUE(napkey.Start());
    HWND main = napkey.WaitMainWindow();
    ASSERT_TRUE(main);
    harness::MouseMoveTo(10, 10);
    harness::PumpFor(400);
    RECT bar;
    GetWindowRect(main, &bar);
    RECT around = {bar.left - 4, bar.top - 4, bar.right + 4, bar.bottom + 4};
    std::string row = " ( ";
    for (int shot = 0; shot < 3; ++shot) {
      if (shot == 1) SendMessageA(main, 0x8000 + 13, 0, 0);  // saver disabled
      if (shot == 2) {                                       // start button held down
        const POINT at = harness::CentreOf(GetDlgItem(main, 1003));
        harness::MouseMoveTo(at.x, at.y);
        harness::MouseButton(false, true);
      }
      harness::PumpFor(300);
      char name[64];
      wsprintfA(name, "\\bar-size%d-%s.png", size, shot == 0 ? "enabled" : shot == 1 ? "disabled" : "pressed");
      EXPECT_TRUE(harness::SaveScreenshot(around, folder + name)) << name;
      row += harness::HostPath(folder + name) + " ";
    }
    harness::MouseButton(false, false);
    harness::MouseMoveTo(10, 10);
    gallery += row + "-background white -splice 8x0 +append ) ";
    EXPECT_TRUE(napkey.ExitThroughMenu());
  }
  gallery += "-background white -splice 0x8 -append -scale 400% " + harness::HostPath(folder + "\\bar-gallery.png");
  EXPECT_TRUE(harness::RunHostCommandMaking(gallery.c_str(), folder + "\\bar-gallery.png"));
  std::printf("bar pictures: %s\n", harness::HostPath(folder + "\\bar-gallery.png").c_str());
  driver::ResetSystem("win95");
}

}  // namespace

namespace {

TEST(ButtonBarZOrder, FullScreenProgramsPushTheBarDown) {
  driver::ResetSystem("win95");
  driver::MarkStartedBefore();
  driver::Napkey napkey;
  ASSERT_TRUE(napkey.Start());
  HWND main = napkey.WaitMainWindow();
  ASSERT_TRUE(main);
  ASSERT_TRUE(GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOPMOST);
  SendMessageA(main, 0x8000 + 12, ABN_FULLSCREENAPP, 1);
  EXPECT_FALSE(GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOPMOST) << "below a full-screen program";
  SendMessageA(main, 0x8000 + 12, ABN_FULLSCREENAPP, 0);
  EXPECT_TRUE(GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOPMOST) << "back on top when it closes";
  SendMessageA(main, WM_COMMAND, 40009, 0);  // OnTop off
  EXPECT_FALSE(GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(napkey.ExitThroughMenu());
  EXPECT_EQ(0, driver::IniInt("ButtonBar", "OnTop", -9));
  driver::ResetSystem("win95");
}

}  // namespace
