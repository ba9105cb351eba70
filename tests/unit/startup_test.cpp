#include <gtest/gtest.h>

#include "app/startup.h"
#include "fake_profile.h"

namespace {

TEST(StartupState, FirstStartOnlyUntilRecorded) {
  FakeProfile file;
  StartupState first;
  first.Load(file.Io());
  EXPECT_TRUE(first.firstStart);
  first.RecordStart(file.Io());

  StartupState second;
  second.Load(file.Io());
  EXPECT_FALSE(second.firstStart);
}

TEST(StartupState, KeepsStartSaverOptionAsReadAndWritesBothKeysInOrder) {
  FakeProfile file;
  file.Set("Drowsel", "StartSSOnStart", "1");
  StartupState state;
  state.Load(file.Io());
  EXPECT_TRUE(state.firstStart) << "StartSSOnStart alone does not record a start";
  state.DisableOnStart = 1;
  state.Save(file.Io());
  EXPECT_EQ((std::vector<std::string>{"Drowsel/DisableOnStart", "Drowsel/StartSSOnStart"}), file.WriteOrder());
  EXPECT_EQ("1", file.Get("Drowsel", "DisableOnStart"));
  EXPECT_EQ("1", file.Get("Drowsel", "StartSSOnStart"));
}

}  // namespace
