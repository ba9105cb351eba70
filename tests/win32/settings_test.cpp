// Options and start-up state through the real private-profile functions on
// napkey.ini in the Windows directory.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "app/startup.h"
#include "settings/options_win.h"

namespace {

std::string IniPath() {
  char directory[MAX_PATH];
  GetWindowsDirectoryA(directory, MAX_PATH);
  return std::string(directory) + "\\napkey.ini";
}

class RealIni : public ::testing::Test {
 protected:
  void SetUp() override { Write(nullptr); }
  void TearDown() override { Write(nullptr); }

  static void Write(const char* contents) {
    DeleteFileA(IniPath().c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, "napkey.ini");
    if (!contents) return;
    FILE* file = fopen(IniPath().c_str(), "wb");
    ASSERT_NE(nullptr, file);
    fputs(contents, file);
    fclose(file);
  }
  static std::string Read(const char* section, const char* key) {
    char value[64] = "";
    GetPrivateProfileStringA(section, key, "<absent>", value, sizeof value, "napkey.ini");
    return value;
  }
};

TEST_F(RealIni, BareNameLivesInTheWindowsDirectory) {
  Options options(4);
  options.Load(NapkeyIni(), 4);
  options.Save(NapkeyIni());
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, "napkey.ini");
  EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(IniPath().c_str())) << IniPath();
}

TEST_F(RealIni, NegativeHugeAndBrokenValues) {
  Write("[Position]\r\nX=-1\r\nY=-250\r\nEdge=abc\r\nOrient=2x\r\n"
        "[Hot Keys]\r\nStartSS=70000\r\nMenu=-1\r\n"
        "[ButtonBar]\r\nSpaceBetween=-5\r\nSelection=16\r\n");
  Options options(4);
  options.Load(NapkeyIni(), 4);
  EXPECT_EQ(-1, options.Position.X);
  EXPECT_EQ(-250, options.Position.Y);
  // A value that is no number reads as the platform's reader has it: 0 here.
  EXPECT_EQ(0, options.Position.Edge);
  EXPECT_EQ(2, options.Position.Orient) << "leading digits count";
  EXPECT_EQ(70000 & 0xFFFF, options.HotKeys.StartSS);
  EXPECT_EQ(0xFFFF, options.HotKeys.Menu);
  EXPECT_EQ(-5, options.ButtonBar.SpaceBetween);
  EXPECT_EQ(15, options.ButtonBar.Selection);

  options.Save(NapkeyIni());
  EXPECT_EQ("65535", Read("Hot Keys", "Menu"));
  EXPECT_EQ("-250", Read("Position", "Y"));
  EXPECT_EQ("0", Read("Hot Keys", "BringToFg")) << "keys at their default are written too";
}

TEST_F(RealIni, FirstStartIsRecordedAtOnce) {
  StartupState first;
  first.Load(NapkeyIni());
  EXPECT_TRUE(first.firstStart);
  first.RecordStart(NapkeyIni());
  StartupState again;
  again.Load(NapkeyIni());
  EXPECT_FALSE(again.firstStart);
  EXPECT_EQ("0", Read("Drowsel", "DisableOnStart"));
  EXPECT_EQ("0", Read("Drowsel", "StartSSOnStart"));
}

}  // namespace
