#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <utility>

#include "app/messages.h"
#include "tray/traytext.h"

namespace {

enum : unsigned { kLeftDown = 0x201, kLeftUp, kLeftDouble, kRightDown, kRightUp };  // WM_LBUTTONDOWN and on
const MouseMessages kMouse = {kLeftDown, kLeftDouble, kRightDown, kRightUp};

TEST(IconClicks, WhatEachMouseMessageAsksFor) {
  // For the saver icon: its single and double click actions; for Fast Exit: ExitOnSingleClick, unused.
  struct { const char* label; bool saver; unsigned mouse; bool allowed; int one, two; IconClick expected; } const
      cases[] = {
          {"no double action: at once", true, kLeftDown, true, 1, 0, {WM_NAPKEY_TOGGLE_SAVER, false, false, false}},
          {"waits for a double click", true, kLeftDown, true, 1, 2, {WM_NAPKEY_TOGGLE_SAVER, true, false, false}},
          {"double click voids it", true, kLeftDouble, true, 1, 2, {WM_NAPKEY_START_SAVER, false, true, false}},
          {"action 3", true, kLeftDown, true, 3, 0, {WM_NAPKEY_SAVER_PROPERTIES, false, false, false}},
          {"action 0 waits for nothing", true, kLeftDown, true, 0, 2, {0, false, false, false}},
          {"secondary button up: menu", true, kRightUp, true, 1, 2, {WM_NAPKEY_POPUP_MENU, false, false, false}},
          {"primary button up", true, kLeftUp, true, 1, 2, {0, false, false, false}},
          {"modal: double click beeps, voids nothing", true, kLeftDouble, false, 1, 2, {0, false, false, true}},
          {"modal: secondary press beeps", true, kRightDown, false, 1, 2, {0, false, false, true}},
          {"modal: no menu, no beep", true, kRightUp, false, 1, 2, {0, false, false, false}},
          {"Fast Exit: single click by default", false, kLeftDown, true, 0, 0, {0, false, false, false}},
          {"Fast Exit: double click by default", false, kLeftDouble, true, 0, 0,
           {WM_NAPKEY_FAST_EXIT, false, false, false}},
          {"Fast Exit: single click if set", false, kLeftDown, true, 1, 0, {WM_NAPKEY_FAST_EXIT, false, false, false}},
          {"Fast Exit: then no double click", false, kLeftDouble, true, 1, 0, {0, false, false, false}},
          {"Fast Exit: menu", false, kRightUp, true, 1, 0, {WM_NAPKEY_POPUP_MENU, false, false, false}},
          {"Fast Exit: modal press beeps", false, kLeftDown, false, 1, 0, {0, false, false, true}},
      };
  for (const auto& c : cases) {
    const IconClick click = c.saver ? SaverIconClick(c.mouse, kMouse, c.allowed, c.one, c.two)
                                    : FastExitIconClick(c.mouse, kMouse, c.allowed, c.one != 0);
    const IconClick& e = c.expected;
    EXPECT_EQ(std::tie(e.message, e.deferred, e.cancelWaiting, e.beep),
              std::tie(click.message, click.deferred, click.cancelWaiting, click.beep))
        << c.label << " (message, deferred, cancelWaiting, beep)";
  }
}

TEST(TrayText, TipsAreCutToTheFieldAndToSixtyThree) {
  const std::string longTip(100, 'x');
  char out[128];
  CopyTip(longTip.c_str(), out, sizeof out);
  EXPECT_EQ(std::string(kTipMaxLength, 'x'), out);
  std::memset(out, '#', sizeof out);
  CopyTip(longTip.c_str(), out, 10);
  EXPECT_EQ(std::string(9, 'x') + '\0' + '#', std::string(out, 11)) << "nothing past the field";
}

TEST(HotKeys, ModifierMappingDropsTheExtendedFlag) {
  constexpr unsigned kModAlt = 1, kModControl = 2, kModShift = 4;  // MOD_*
  // The control's value: HOTKEYF_* (shift 1, control 2, alt 4, extended 8) in the high byte.
  struct { const char* label; uint16_t value; unsigned modifiers, key; } const cases[] = {
      {"Ctrl+Alt+S", 0x0653, kModAlt | kModControl, 0x53},
      {"Shift+extended Home", 0x0924, kModShift, 0x24},
      {"Alt+A", 0x0441, kModAlt, 0x41},
  };
  for (const auto& c : cases) {
    const HotKeyBinding b = HotKeyBindingOf(c.value);
    EXPECT_EQ(std::make_pair(c.modifiers, c.key), std::make_pair(b.modifiers, b.key)) << c.label;
  }
}

TEST(HotKeys, FailureTextListsTheFailedIdsInIdOrder) {
  char text[512];
  HotKeyFailureText((1u << kHotKeyCustomize) | (1u << kHotKeyToggleSaver), text, sizeof text);
  EXPECT_STREQ("Error:\nCould not register the hot key(s) to: \n...enable/disable the screen saver.\n"
               "...display the Customize Napkey+ dialog.",
               text);
}

}  // namespace
