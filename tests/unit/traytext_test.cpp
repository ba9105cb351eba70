#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/messages.h"
#include "tray/traytext.h"

namespace {

std::string FastExitTip(bool single, int opt) {
  char tip[64];
  FastExitIconTip(single, opt, tip, sizeof tip);
  return tip;
}

TEST(TrayText, Tips) {
  EXPECT_STREQ("Screen saver is enabled", SaverIconTip(true));
  EXPECT_STREQ("Screen saver is disabled", SaverIconTip(false));
  EXPECT_EQ("Double-click to Exit Windows...", FastExitTip(false, 0));
  EXPECT_EQ("Click once to Log Off", FastExitTip(true, 3));
  EXPECT_EQ("Double-click to Exit Windows...", FastExitTip(false, 42));
}

TEST(TrayText, TipsAreCutToSixtyThree) {
  const std::string longTip(100, 'x');
  char out[128];
  CopyTip(longTip.c_str(), out, sizeof out);
  EXPECT_EQ(std::string(63, 'x'), out);
  char small[10];
  CopyTip(longTip.c_str(), small, sizeof small);
  EXPECT_EQ(std::string(9, 'x'), small) << "never past the field";
}

TEST(TrayText, IconActions) {
  EXPECT_EQ(0u, SaverIconActionMessage(0));
  EXPECT_EQ(WM_NAPKEY_TOGGLE_SAVER, SaverIconActionMessage(1));
  EXPECT_EQ(WM_NAPKEY_START_SAVER, SaverIconActionMessage(2));
  EXPECT_EQ(WM_NAPKEY_SAVER_PROPERTIES, SaverIconActionMessage(3));
  EXPECT_EQ(0u, SaverIconActionMessage(4));
}

const MouseMessages kMouse = {0x201, 0x203, 0x204, 0x205};

TEST(IconClicks, SaverIconActions) {
  IconClick c = SaverIconClick(kMouse.leftDown, kMouse, true, 1, 0);
  EXPECT_EQ(WM_NAPKEY_TOGGLE_SAVER, c.message);
  EXPECT_FALSE(c.deferred) << "no double action: at once";
  c = SaverIconClick(kMouse.leftDown, kMouse, true, 1, 2);
  EXPECT_TRUE(c.deferred);
  c = SaverIconClick(kMouse.leftDoubleClick, kMouse, true, 1, 2);
  EXPECT_EQ(WM_NAPKEY_START_SAVER, c.message);
  EXPECT_TRUE(c.cancelWaiting);
  EXPECT_FALSE(c.deferred);
  c = SaverIconClick(kMouse.leftDown, kMouse, true, 0, 2);
  EXPECT_EQ(0u, c.message) << "SingleClick 0 does nothing";
  EXPECT_FALSE(c.deferred);
  EXPECT_EQ(WM_NAPKEY_POPUP_MENU, SaverIconClick(kMouse.rightUp, kMouse, true, 1, 2).message);
  EXPECT_EQ(0u, SaverIconClick(0x202, kMouse, true, 1, 2).message) << "button up does nothing";
}

TEST(IconClicks, RefusedWhileAModalDialogIsOpen) {
  for (unsigned mouse : {kMouse.leftDown, kMouse.leftDoubleClick, kMouse.rightDown}) {
    const IconClick c = SaverIconClick(mouse, kMouse, false, 1, 2);
    EXPECT_TRUE(c.beep) << mouse;
    EXPECT_EQ(0u, c.message);
    EXPECT_FALSE(c.cancelWaiting);
    EXPECT_TRUE(FastExitIconClick(mouse, kMouse, false, true).beep);
  }
  EXPECT_FALSE(SaverIconClick(kMouse.rightUp, kMouse, false, 1, 2).beep);
  EXPECT_EQ(0u, SaverIconClick(kMouse.rightUp, kMouse, false, 1, 2).message) << "no menu either";
}

TEST(IconClicks, FastExitIcon) {
  EXPECT_EQ(0u, FastExitIconClick(kMouse.leftDown, kMouse, true, false).message);
  EXPECT_EQ(WM_NAPKEY_FAST_EXIT, FastExitIconClick(kMouse.leftDoubleClick, kMouse, true, false).message);
  EXPECT_EQ(WM_NAPKEY_FAST_EXIT, FastExitIconClick(kMouse.leftDown, kMouse, true, true).message);
  EXPECT_EQ(0u, FastExitIconClick(kMouse.leftDoubleClick, kMouse, true, true).message);
  EXPECT_EQ(WM_NAPKEY_POPUP_MENU, FastExitIconClick(kMouse.rightUp, kMouse, true, true).message);
}

TEST(HotKeys, ModifierMappingDropsTheExtendedFlag) {
  const HotKeyBinding ctrlAltS = HotKeyBindingOf(0x0653);
  EXPECT_EQ(0x0003u, ctrlAltS.modifiers);  // MOD_ALT | MOD_CONTROL
  EXPECT_EQ(0x53u, ctrlAltS.key);
  const HotKeyBinding shiftExt = HotKeyBindingOf(0x0924);  // Shift + extended Home
  EXPECT_EQ(0x0004u, shiftExt.modifiers);
  EXPECT_EQ(0x24u, shiftExt.key);
  EXPECT_EQ(0x0007u, HotKeyBindingOf(0x0F41).modifiers);
}

TEST(HotKeys, CommandsById) {
  EXPECT_EQ(WM_NAPKEY_START_SAVER, HotKeyCommandOf(0).message);
  EXPECT_EQ(0u, HotKeyCommandOf(1).message) << "the bar is brought back, not a message";
  EXPECT_EQ(WM_NAPKEY_TOGGLE_SAVER, HotKeyCommandOf(2).message);
  EXPECT_EQ(WM_NAPKEY_FAST_EXIT, HotKeyCommandOf(3).message);
  EXPECT_EQ(0u, HotKeyCommandOf(3).wParam) << "the configured Fast Exit action";
  EXPECT_EQ(WM_NAPKEY_POPUP_MENU, HotKeyCommandOf(4).message);
  EXPECT_EQ(WM_NAPKEY_SAVER_PROPERTIES, HotKeyCommandOf(5).message);
  EXPECT_EQ(0x0111u, HotKeyCommandOf(6).message);
  EXPECT_EQ(40012u, HotKeyCommandOf(6).wParam);
  EXPECT_EQ(0u, HotKeyCommandOf(7).message);
}

TEST(HotKeys, IdsTwoAndThreeSwapTheRecordOrder) {
  const int expected[] = {0, 1, 3, 2, 4, 5, 6};
  for (int id = 0; id < kHotKeyCount; ++id) EXPECT_EQ(expected[id], HotKeyOptionIndex(id)) << id;
  EXPECT_EQ(-1, HotKeyOptionIndex(7));
}

TEST(HotKeys, FailureMessageListsFailedIdsInOrder) {
  char text[512];
  HotKeyFailureText((1u << 6) | (1u << 2), text, sizeof text);
  EXPECT_STREQ(
      "Error:\nCould not register the hot key(s) to: \n...enable/disable the screen saver.\n...display the "
      "Customize Napkey+ dialog.",
      text);
  HotKeyFailureText(0x7F, text, sizeof text);
  EXPECT_NE(nullptr, std::strstr(text, "\n...show the Button Bar in the foreground.\n...enable/disable"));
}

}  // namespace
