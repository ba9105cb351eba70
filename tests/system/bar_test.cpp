// The Button Bar of the real program, driven with real mouse and keyboard input.
#include "input.h"
#include "scenario.h"

#include <shellapi.h>

#include <cstdlib>

namespace {

using namespace driver;

RECT RectOf(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  return rect;
}
long Width(const RECT& r) { return r.right - r.left; }
long Height(const RECT& r) { return r.bottom - r.top; }

const char kFloatingBlock[] = "[Position]\r\nEdge=4\r\nOrient=2\r\nX=400\r\nY=300\r\n";

class ButtonBar : public SystemTest {
 protected:
  // A point on the bar's border, away from the buttons.
  POINT Background() const { return POINT{RectOf(main).left + 1, RectOf(main).top + 1}; }
  // Presses at `from`, moves to `to` and releases, once the bar holds the
  // mouse. With `delayPress`, the bar's thread is held while the button goes
  // down and the pointer moves on, as on a busy machine.
  void Drag(POINT from, POINT to, bool delayPress = false) {
    harness::MouseMoveTo(from.x, from.y);
    HANDLE thread = OpenThread(THREAD_SUSPEND_RESUME, FALSE, GetWindowThreadProcessId(main, nullptr));
    ASSERT_TRUE(thread);
    if (delayPress) ASSERT_NE(static_cast<DWORD>(-1), SuspendThread(thread));
    harness::MouseButton(false, true);
    if (delayPress) {
      harness::MouseMoveTo(from.x + 40, from.y + 30);
      ResumeThread(thread);
    }
    CloseHandle(thread);
    ASSERT_TRUE(harness::WaitUntil([&] { return harness::CaptureOf(main) == main; }, 20000)) << "no capture";
    // One step at a time, each taken by the bar before the next. Wine also
    // moves the X pointer for each step, and the bar may see those echoes
    // late: once they have stopped, a last step to the same place is the
    // last move the bar sees before the button goes up.
    const auto step = [&](long x, long y) {
      const LONG moves = spy->MouseMoves();
      harness::MouseMoveTo(x, y);
      return harness::WaitUntil([&] { return spy->MouseMoves() > moves; }, 20000);
    };
    const auto quiet = [&] {
      for (LONG seen = -1; seen != spy->MouseMoves();) {
        seen = spy->MouseMoves();
        if (!Alive()) return false;
      }
      return true;
    };
    for (int i = 1; i <= 8; ++i)
      ASSERT_TRUE(step(from.x + (to.x - from.x) * i / 8, from.y + (to.y - from.y) * i / 8)) << "step " << i;
    ASSERT_TRUE(quiet() && step(to.x + 1, to.y) && quiet());
    harness::MouseButton(false, false);
    ASSERT_TRUE(harness::WaitUntil([&] { return harness::CaptureOf(main) == nullptr; }, 20000)) << "kept capture";
    ASSERT_TRUE(Alive());
  }
};

TEST_F(ButtonBar, SizeAndPlaceFollowTheOptions) {
  const long screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
  const struct {
    const char* ini;
    long width, height, inset;  // inset from the bottom-right corner: 1 when floating
  } kCases[] = {
      {nullptr, 90, 24, 0},
      {"[Position]\r\nOrient=0\r\n", 24, 90, 0},
      {"[Position]\r\nOrient=2\r\nEdge=4\r\n", 46, 46, 1},
      {"[ButtonBar]\r\nButtonSize=1\r\n", 126, 33, 0},
      {"[ButtonBar]\r\nButtonSize=2\r\n", 166, 43, 0},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.ini ? c.ini : "defaults");
    ASSERT_TRUE(Start(c.ini));
    const RECT bar = RectOf(main);
    EXPECT_EQ(c.width, Width(bar));
    EXPECT_EQ(c.height, Height(bar));
    EXPECT_EQ(screenW - c.inset, bar.right);
    EXPECT_EQ(screenH - c.inset, bar.bottom);
    if (!c.ini) {
      // Places in the bar's order: Fast Exit, properties, enable/disable, start.
      const int order[] = {IDC_BAR_FAST_EXIT, IDC_BAR_PROPERTIES, IDC_BAR_TOGGLE, IDC_BAR_START};
      for (int i = 0; i < 4; ++i) EXPECT_EQ(bar.left + 3 + i * 22, RectOf(Button(order[i])).left) << order[i];
    }
    EXPECT_TRUE(Exit());
  }
}

TEST_F(ButtonBar, BorderZeroPaintsNoFrame) {
  const struct {
    const char* ini;
    int x;
    COLORREF top, bottom;  // the pixels between the first two buttons
  } kCases[] = {{"[ButtonBar]\r\nBorder=0\r\nSpaceBetween=6\r\n", 20, GetSysColor(COLOR_BTNFACE),
                 GetSysColor(COLOR_BTNFACE)},
                {"[ButtonBar]\r\nBorder=3\r\nSpaceBetween=6\r\n", 23, GetSysColor(COLOR_3DHILIGHT),
                 GetSysColor(COLOR_3DDKSHADOW)}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.ini);
    ASSERT_TRUE(Start(c.ini));
    ASSERT_TRUE(Alive());
    const RECT bar = RectOf(main);
    const int topRow = c.x == 20 ? 0 : 1;
    EXPECT_EQ(c.top, harness::ScreenPixel(bar.left + c.x, bar.top + topRow));
    EXPECT_EQ(c.bottom, harness::ScreenPixel(bar.left + c.x, bar.bottom - 1));
    EXPECT_TRUE(Exit());
  }
}

class BarButtons : public ScenarioTest {};

// A second click a few pixels away cannot merge into a double click.
TEST_F(BarButtons, Scenarios) {
  Run({{"full-screen programs push the bar down; On Top is an option", "win95", nullptr, 0,
        {{kOnTop, 0, 1}, {kSend, WM_NAPKEY_APPBAR, ABN_FULLSCREENAPP, nullptr, 1}, {kOnTop, 0, 0},
         {kSend, WM_NAPKEY_APPBAR, ABN_FULLSCREENAPP, nullptr, 0}, {kOnTop, 0, 1}, {kSend, WM_COMMAND, IDM_TOGGLE_ON_TOP},
         {kOnTop, 0, 0}, {kExitIni, 0, 0, "ButtonBar/OnTop"}}},
       {"a secondary click on a button opens the menu without pressing it", "win95", nullptr, 0,
        {{kRightClick, IDC_BAR_TOGGLE}, {kMenuShown}, {kCount, WM_NAPKEY_POPUP_MENU, 1},
         {kCount, WM_NAPKEY_TOGGLE_SAVER, 0}}},
       {"each button runs its command", "win95", nullptr, kWithSaver | kRecording,
        {{kClick, IDC_BAR_TOGGLE}, {kCount, WM_NAPKEY_TOGGLE_SAVER, 1}, {kSaverFlag, 0, 0},
         {kShows, IDC_BAR_TOGGLE, 0, "Enable screen saver"}, {kClick, IDC_BAR_TOGGLE, 6},
         {kCount, WM_NAPKEY_TOGGLE_SAVER, 2}, {kSaverFlag, 0, 1}, {kShows, IDC_BAR_TOGGLE, 0, "Disable screen saver"},
         {kClick, IDC_BAR_START}, {kCount, WM_NAPKEY_START_SAVER, 1}, {kSaverRan, 0, 1}, {kClick, IDC_BAR_PROPERTIES},
         {kDialog, 0, 0, "Screen Saver Properties"}, {kAnswer, IDCANCEL}, {kClick, IDC_BAR_FAST_EXIT},
         {kDialog, 0, 0, "Get Out Of Windows NOW!"}, {kAnswer, IDCANCEL}, {kCount, WM_NAPKEY_FAST_EXIT, 1}}}});
}

TEST_F(ButtonBar, ShiftDragOnAButtonMovesTheBarAndRunsNothing) {
  ASSERT_TRUE(Start());
  const RECT before = RectOf(main);
  {
    harness::HeldKey shift(VK_SHIFT);
    ASSERT_TRUE(spy->WaitKeySeenDown(main, VK_SHIFT));
    const POINT from = harness::CentreOf(Button(IDC_BAR_START));
    Drag(from, POINT{from.x - 400, from.y - 300});
  }
  const RECT after = RectOf(main);
  EXPECT_NE(before.left, after.left);
  EXPECT_NE(before.top, after.top);
  for (UINT command : {WM_NAPKEY_TOGGLE_SAVER, WM_NAPKEY_START_SAVER, WM_NAPKEY_SAVER_PROPERTIES, WM_NAPKEY_FAST_EXIT})
    EXPECT_EQ(0, Count(command)) << command;
  EXPECT_TRUE(Exit());
}

TEST_F(ButtonBar, DraggingToTheTopDocksHorizontalAndAwayFloatsAsABlock) {
  for (bool delayPress : {false, true}) {
    SCOPED_TRACE(delayPress ? "press handled late" : "press handled at once");
    ASSERT_TRUE(Start(kFloatingBlock));
    POINT grab = Background();
    const long left = RectOf(main).left;
    Drag(grab, POINT{grab.x + 50, 0}, delayPress);
    RECT bar = RectOf(main);
    EXPECT_EQ(left + 51, bar.left) << "held where it was grabbed (the last step is a pixel on)";
    EXPECT_EQ(0, bar.top) << "docked at the top";
    EXPECT_EQ(90, Width(bar)) << "and horizontal";
    EXPECT_EQ(24, Height(bar));

    grab = Background();
    Drag(grab, POINT{grab.x, 300});
    bar = RectOf(main);
    EXPECT_EQ(46, Width(bar)) << "floating again, as a block";
    EXPECT_EQ(46, Height(bar));
    ASSERT_TRUE(Exit());
    EXPECT_EQ(4, IniInt("Position/Edge"));
    EXPECT_EQ(2, IniInt("Position/Orient"));
    EXPECT_EQ(bar.left, IniInt("Position/X"));
    EXPECT_EQ(bar.top, IniInt("Position/Y"));
  }
}

TEST_F(ButtonBar, CtrlKeepsTheOrientationWhenDocking) {
  ASSERT_TRUE(Start(kFloatingBlock));
  {
    harness::HeldKey ctrl(VK_CONTROL);
    ASSERT_TRUE(spy->WaitKeySeenDown(main, VK_CONTROL));
    const POINT grab = Background();
    Drag(grab, POINT{grab.x, 0});
  }
  const RECT bar = RectOf(main);
  EXPECT_EQ(0, bar.top);
  EXPECT_EQ(46, Width(bar)) << "still a block";
  ASSERT_TRUE(Exit());
  EXPECT_EQ(0, IniInt("Position/Edge"));
  EXPECT_EQ(2, IniInt("Position/Orient"));
}

HWND ShownTooltip(DWORD pid) { return harness::FirstWindow(pid, "QRT_Tooltip"); }

// Width of a tooltip for `text`, measured as the tooltip does, with the
// default font of a fresh window's device context.
long TooltipWidthFor(const std::string& text) {
  HDC dc = GetDC(nullptr);
  const std::string padded = " " + text + " ";
  SIZE size;
  GetTextExtentPoint32A(dc, padded.c_str(), static_cast<int>(padded.size()), &size);
  ReleaseDC(nullptr, dc);
  return size.cx + 2;
}

TEST_F(ButtonBar, TooltipAfterASecondJumpsAtOnceAndNoneOnTheBackground) {
  ASSERT_TRUE(Start("[Position]\r\nEdge=4\r\nOrient=1\r\nX=300\r\nY=300\r\n"));
  const POINT start = harness::CentreOf(Button(IDC_BAR_START));
  harness::MouseMoveTo(start.x, start.y);
  harness::MouseMoveTo(start.x + 1, start.y);
  const DWORD hovered = GetTickCount();
  HWND tip = nullptr;
  ASSERT_TRUE(harness::WaitUntil([&] { return (tip = ShownTooltip(napkey.Pid())) != nullptr; }, 20000));
  EXPECT_GE(GetTickCount() - hovered, 950u) << "not before a second";
  const RECT button = RectOf(Button(IDC_BAR_START));
  EXPECT_EQ(button.left, RectOf(tip).left);
  EXPECT_EQ(button.bottom + GetSystemMetrics(SM_CYCURSOR) / 3, RectOf(tip).top) << "just below the button";
  EXPECT_EQ(TooltipWidthFor("Start screen saver"), Width(RectOf(tip))) << "sized for the button's text";

  // Already showing: the next button's tip comes before any new delay could end.
  const POINT toggle = harness::CentreOf(Button(IDC_BAR_TOGGLE));
  const DWORD moved = GetTickCount();
  harness::MouseMoveTo(toggle.x, toggle.y);
  ASSERT_TRUE(harness::WaitUntil(
      [&] { return (tip = ShownTooltip(napkey.Pid())) && RectOf(tip).left == RectOf(Button(IDC_BAR_TOGGLE)).left; },
      20000));
  EXPECT_LT(GetTickCount() - moved, 900u) << "moved to the next button at once";
  EXPECT_EQ(TooltipWidthFor("Disable screen saver"), Width(RectOf(tip)));

  // On the background the tooltip window comes after the delay, but hidden.
  const POINT background = Background();
  harness::MouseMoveTo(background.x, background.y);
  HWND hidden = nullptr;
  ASSERT_TRUE(harness::WaitUntil(
      [&] {
        for (HWND window : harness::Windows(0, "QRT_Tooltip", true))
          if (window != tip && IsWindow(window) && !IsWindowVisible(window)) hidden = window;
        return hidden != nullptr;
      },
      20000));
  ASSERT_TRUE(Alive());
  EXPECT_EQ(nullptr, ShownTooltip(napkey.Pid())) << "the background has none";
  EXPECT_TRUE(Exit());
}

TEST_F(ButtonBar, NoTooltipsWhenSwitchedOff) {
  ASSERT_TRUE(Start("[ButtonBar]\r\nTooltips=0\r\n[Position]\r\nEdge=4\r\nX=300\r\nY=300\r\n"));
  const POINT at = harness::CentreOf(Button(IDC_BAR_START));
  const LONG moves = spy->MouseMoves();
  harness::MouseMoveTo(at.x, at.y);
  harness::MouseMoveTo(at.x + 1, at.y);
  ASSERT_TRUE(harness::WaitUntil([&] { return spy->MouseMoves() > moves; }, 20000)) << "the pointer was not seen";
  // A timer of the bar's thread that fires after the hover delay: a tooltip
  // timer, due earlier, would have fired first.
  ASSERT_TRUE(spy->RunTimer(main, 1500));
  ASSERT_TRUE(Alive());
  EXPECT_TRUE(harness::Windows(0, "QRT_Tooltip", true).empty());
  EXPECT_TRUE(Exit());
}

// Two monitors side by side (system.monitors): the primary, 0,0-1024,768, and a shorter one, 1024,0-1824,600.
class TwoMonitors : public ButtonBar {
 protected:
  std::string Mode() const override { return mode; }
  std::string mode = "win10";  // Windows 95 and NT 4.0 know one screen
};
bool OnSecond(const RECT& r) { return r.left >= 1024 && r.right <= 1824 && r.top >= 0 && r.bottom <= 600; }
const char kOnSecond[] = "MonitorLeft=1024\r\nMonitorTop=0\r\nMonitorRight=1824\r\nMonitorBottom=600\r\n";

TEST_F(TwoMonitors, TheBarDocksAtEachEdgeOfItsMonitorAndItsDialogsOpenThere) {
  if (GetSystemMetrics(SM_CMONITORS) < 2) GTEST_SKIP() << "needs two monitors (system.monitors)";
  ASSERT_TRUE(Start((std::string(kFloatingBlock) + kOnSecond).c_str()));
  EXPECT_EQ(1024 + 400, RectOf(main).left) << "counted from its monitor's corner";
  // Where the pointer drops the bar's corner, and the side (left, top, right, bottom) it then lies on.
  const struct { const char* label; POINT to; int side; long at; } kDrops[] = {
      {"top", {1300, 0}, 1, 0}, {"bottom, above the primary's", {1300, 599}, 3, 600}, {"right", {1822, 300}, 2, 1824},
      {"left, from the primary's right edge", {1023, 300}, 0, 1024}, {"floating", {1300, 300}, 0, 1300}};
  for (const auto& d : kDrops) {
    SCOPED_TRACE(d.label);
    Drag(Background(), d.to);
    const RECT bar = RectOf(main);
    EXPECT_TRUE(OnSecond(bar) && (&bar.left)[d.side] == d.at) << bar.left << "," << bar.top;
  }
  const RECT floating = RectOf(main);
  EXPECT_TRUE(Exit());
  ASSERT_TRUE(Start(nullptr, kKeepState | kWithSaver));
  EXPECT_TRUE(floating.left == RectOf(main).left && floating.top == RectOf(main).top) << "back where it was";
  Click(Button(IDC_BAR_PROPERTIES));
  HWND dialog = Dialog("Screen Saver Properties"), preview = nullptr;
  ASSERT_TRUE(harness::WaitUntil([&] { return (preview = harness::FirstWindow(napkey.Pid(), "QRT_SSPreview")); }, 20000));
  EXPECT_TRUE(OnSecond(RectOf(dialog)) && OnSecond(RectOf(preview)));
  Answer(dialog, IDCANCEL);
  EXPECT_TRUE(Exit());
  // Where Windows tells no monitors apart, or the monitor is gone: on the primary, at the same edge.
  for (const char* monitor : {kOnSecond, "MonitorLeft=1824\r\nMonitorRight=2624\r\nMonitorBottom=600\r\n"}) {
    mode = monitor == kOnSecond ? "win95" : "win10";
    ASSERT_TRUE(Start(("[Position]\r\nEdge=3\r\nOrient=0\r\nY=10\r\n" + std::string(monitor)).c_str()));
    EXPECT_TRUE(RectOf(main).right == 1024 && RectOf(main).top == 10) << mode;
    EXPECT_TRUE(Exit());
    EXPECT_EQ(monitor == kOnSecond ? 1024 : 1824, IniInt("Position/MonitorLeft")) << "kept, for when it comes back";
  }
}

}  // namespace

namespace {

// The screen changes size under the running program. The system.display test runs it in a Wine virtual desktop,
// the only display here that can, and says so in NAPKEY_VIRTUAL_DESKTOP.
class DisplayChange : public SystemTest {
 protected:
  void TearDown() override {
    ChangeDisplaySettingsA(nullptr, 0);
    SystemTest::TearDown();
  }
  static LONG Resize(DWORD width, DWORD height) {
    DEVMODEA mode = {};
    mode.dmSize = sizeof mode;
    mode.dmPelsWidth = width;
    mode.dmPelsHeight = height;
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    return ChangeDisplaySettingsA(&mode, 0);
  }
};

// Docked at the bottom right of 1024 by 768, the bar comes back into sight at the bottom of 800 by 600 at
// once, and goes back down when the screen grows again.
TEST_F(DisplayChange, TheBarStaysInSightWhenTheScreenShrinksAndGrows) {
  if (!std::getenv("NAPKEY_VIRTUAL_DESKTOP")) GTEST_SKIP() << "needs a display that can change size (system.display)";
  ASSERT_EQ(1024, GetSystemMetrics(SM_CXSCREEN));
  ASSERT_TRUE(Start("[Position]\r\nEdge=1\r\nOrient=1\r\nX=2000\r\nY=2000\r\n"));
  const struct {
    DWORD width, height;
  } kScreens[] = {{800, 600}, {1024, 768}};
  for (int i = 0; i < 2; ++i) {
    ASSERT_EQ(DISP_CHANGE_SUCCESSFUL, Resize(kScreens[i].width, kScreens[i].height));
    // Placed again at the corner of the new screen, which is what the user sees.
    const RECT corner = {0, 0, static_cast<long>(kScreens[i].width), static_cast<long>(kScreens[i].height)};
    EXPECT_TRUE(harness::WaitUntil([&] { return RectOf(main).right == corner.right && RectOf(main).bottom == corner.bottom; },
                                   20000))
        << kScreens[i].width << ": " << RectOf(main).right << "," << RectOf(main).bottom;
    ASSERT_TRUE(Alive());
    EXPECT_TRUE(IsWindowVisible(main));
  }
  EXPECT_TRUE(Exit());
}

}  // namespace
