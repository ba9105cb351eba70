// The Screen Saver Properties dialog's decisions.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "saverdlg/propslogic.h"

namespace {

// The edges the system tests of the dialog do not reach.
TEST(PropsDecisions, NoSaverAndTheLargestDelays) {
  const PasswordControls none = PasswordControlsFor(false, Saver32, false, true);
  EXPECT_FALSE(none.sixteenBitNote || none.passwordProtected || none.disableDuringPreview || none.changePassword);
  const struct { uint32_t number; bool inSeconds, fits; uint32_t seconds; } cases[] = {
      {0, false, true, 1}, {4294967295u, true, true, 4294967295u}, {71582788, false, true, 4294967280u},
      {71582789, false, false, 7}};
  for (const auto& c : cases) {
    uint32_t seconds = 7;
    EXPECT_EQ(c.fits, DelayToSeconds(c.number, c.inSeconds, &seconds)) << c.number;
    EXPECT_EQ(c.seconds, seconds) << c.number;
  }
}

// A sorted list of (text, data) that finds by prefix as a combo box does.
struct FakeList {
  std::vector<std::pair<std::string, int32_t>> items;
  int selected = -1, searches = 0;
  static int Select(void* self, int after, const char* text) {
    FakeList& list = *static_cast<FakeList*>(self);
    ++list.searches;
    const int count = static_cast<int>(list.items.size());
    for (int step = 1; step <= count; ++step) {
      const int index = (after + step + count) % count;
      if (list.items[index].first.compare(0, std::strlen(text), text) == 0) return list.selected = index;
    }
    return -1;
  }
  static int32_t Data(void* self, int index) { return static_cast<FakeList*>(self)->items[index].second; }
  int SelectBySequence(const char* name, int32_t sequence) {
    return ::SelectBySequence(PrefixList{Select, Data, this}, name, sequence);
  }
};

TEST(SelectBySequence, PassesOverNamesThatBeginAlikeAndStopsWhenItWraps) {
  FakeList list{{{"Star", 3}, {"Star", 5}, {"Star Trek", 7}, {"Starfield", 1}, {"Zoo", 2}}};
  EXPECT_EQ(3, list.SelectBySequence("Starfield", 1));
  list.searches = 0;
  EXPECT_EQ(0, list.SelectBySequence("Star", 9)) << "wrapped round to the first";
  EXPECT_EQ(5, list.searches);
  EXPECT_EQ(-1, list.SelectBySequence("Moon", 1));
  FakeList one{{{"Star", 3}, {"Zoo", 2}}};
  EXPECT_EQ(0, one.SelectBySequence("Star", 9)) << "a search finding the same item again stops";
}

TEST(MiniPreviewOrigin, BesideTheDialogOnTheRoomierSide) {
  const Rect32 work = {0, 0, 1000, 700};
  EXPECT_EQ(610, MiniPreviewOrigin({300, 100, 610, 400}, work, 250).x);
  EXPECT_EQ(350, MiniPreviewOrigin({600, 40, 910, 400}, work, 250).x) << "near the right edge: to the left";
  EXPECT_EQ(195, MiniPreviewOrigin({445, 0, 555, 9}, work, 250).x) << "equal room: to the left";
}

}  // namespace
