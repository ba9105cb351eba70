// Small pieces of the Button Bar against the real window manager.
#include <windows.h>

#include <gtest/gtest.h>

#include "buttonbar/face_win.h"
#include "buttonbar/input_win.h"
#include "dialogs.h"

namespace {

TEST(ChildWindowHelpers, CountAndActOnEveryDescendant) {
  HWND parent = CreateWindowExA(0, "static", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(0, DisableChildWindows(parent));
  EXPECT_EQ(0, InvalidateChildWindows(parent));
  EXPECT_EQ(0, CloseChildWindows(parent));
  HWND child = CreateWindowExA(0, "button", "a", WS_CHILD, 0, 0, 10, 10, parent, nullptr, nullptr, nullptr);
  HWND grandChild = CreateWindowExA(0, "button", "b", WS_CHILD, 0, 0, 5, 5, child, nullptr, nullptr, nullptr);
  EXPECT_EQ(2, InvalidateChildWindows(parent));
  EXPECT_EQ(2, DisableChildWindows(parent));
  EXPECT_FALSE(IsWindowEnabled(child));
  EXPECT_FALSE(IsWindowEnabled(grandChild));
  DestroyWindow(parent);
}

TEST(ButtonFace, LoadsEverySizeAndDrawsOnlyWithRoom) {
  for (int size = 0; size < 3; ++size) {
    const int frame[] = {15, 24, 34};
    for (int faceId : {1, 2, 4, 8}) {
      ButtonFace face;
      face.Load(faceId, size);
      ASSERT_TRUE(face.Object()) << "face " << faceId << " size " << size;
      EXPECT_EQ(frame[size], face.frameWidth) << "face " << faceId;
      EXPECT_EQ(frame[size], face.frameHeight) << "face " << faceId;
      EXPECT_EQ(frame[size] + 3, face.pixelSize);
    }
  }
  ButtonFace face;
  face.Load(1, 0);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP target = CreateCompatibleBitmap(screen, 18, 18);
  HGDIOBJ old = SelectObject(memory, target);
  EXPECT_TRUE(face.Draw(FALSE, 0, memory, 18, 18));
  EXPECT_FALSE(face.Draw(FALSE, 0, memory, 3, 18)) << "no room inside the edge";
  // Raised: light top-left, dark bottom-right; pressed: the other way round.
  EXPECT_EQ(GetSysColor(COLOR_3DHILIGHT), GetPixel(memory, 0, 0));
  EXPECT_EQ(GetSysColor(COLOR_3DDKSHADOW), GetPixel(memory, 17, 17));
  EXPECT_TRUE(face.Draw(TRUE, 0, memory, 18, 18));
  EXPECT_EQ(GetSysColor(COLOR_3DDKSHADOW), GetPixel(memory, 0, 0));
  EXPECT_EQ(GetSysColor(COLOR_3DHILIGHT), GetPixel(memory, 17, 17));
  SelectObject(memory, old);
  DeleteObject(target);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  ButtonFace empty;
  EXPECT_EQ(0, empty.SetBitmap(nullptr, 1));
  EXPECT_FALSE(empty.Draw(FALSE, 0, screen, 18, 18)) << "no bitmap, nothing drawn";
}

}  // namespace
