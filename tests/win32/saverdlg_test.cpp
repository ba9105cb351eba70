// The saver catalogue and the information dialog, over savers placed in the Windows directory of this prefix.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "base/platform_win.h"
#include "dialogs.h"
#include "res/resource.h"
#include "saverdlg/catalogue_win.h"
#include "saverdlg/infodlg_win.h"

extern std::string g_fixturesDir;

namespace {

using harness::WindowsFile;

// Fixture file, the name it is placed under. The broken ne_reloc and ne_trunc must be left out of the catalogue.
const std::pair<const char*, const char*> kPlaced[] = {
    {"saverfull.scr", "Full Test Saver.scr"}, {"saver310.scr", "saver310.scr"}, {"ne_title.scr", "ne_title.scr"},
    {"ne_bare.scr", "ne_bare.scr"},           {"ne_plain.scr", "ne_plain.scr"}, {"ne_reloc.scr", "ne_reloc.scr"},
    {"ne_trunc.scr", "ne_trunc.scr"}};

class SaverFiles : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    for (const auto& placed : kPlaced)
      CopyFileA((g_fixturesDir + "\\" + placed.first).c_str(), WindowsFile(placed.second).c_str(), FALSE);
  }
  static void TearDownTestSuite() {
    for (const auto& placed : kPlaced) DeleteFileA(WindowsFile(placed.second).c_str());
  }
};

// A name found twice, the short paths and the kinds each saver offers are the system tests'.
TEST_F(SaverFiles, CatalogueNamesPerPlatformWithBrokenFilesLeftOutAndNoFileLeftOpen) {
  const bool windows95 = GetPlatformKind() == PlatformWin95;
  const std::map<std::string, std::string> expected = {
      {WindowsFile("Full Test Saver.scr"), windows95 ? "Full Test Saver" : "Napkey Full Test Saver"},
      {WindowsFile("saver310.scr"), windows95 ? "saver310" : "saver310.scr (32-bit)"},
      {WindowsFile("ne_title.scr"), "Title (16-bit)"}, {WindowsFile("ne_bare.scr"), "SCRNSAVE: (16-bit)"},
      {WindowsFile("ne_plain.scr"), "Plain Old Saver (16-bit)"}};
  const DWORD handlesBefore = harness::HandleCount();
  {
    SaverCatalogue catalogue;
    std::map<std::string, std::string> found;
    for (const SaverEntry& entry : catalogue.entries) {
      ASSERT_TRUE(entry.fullPath && entry.displayName && entry.shortPath);
      found[entry.fullPath] = entry.displayName;
    }
    EXPECT_EQ(expected, found);
  }
  EXPECT_EQ(handlesBefore, harness::HandleCount()) << "a file left open";
}

// Type, versions, flags, the list's labels, the chosen value, and the icon or "(no icon)".
std::string Shown(HWND dialog) {
  std::string shown;
  for (int id : {IDC_INFO_TYPE, IDC_INFO_FILE_VERSION, IDC_INFO_PRODUCT_VERSION, IDC_INFO_FLAGS})
    shown += harness::WindowText(GetDlgItem(dialog, id)) + " | ";
  for (int i = 0; i < SendDlgItemMessageA(dialog, IDC_INFO_LIST, LB_GETCOUNT, 0, 0); ++i) {
    char item[256] = "";
    SendDlgItemMessageA(dialog, IDC_INFO_LIST, LB_GETTEXT, i, reinterpret_cast<LPARAM>(item));
    shown += std::string(item).substr(0, std::string(item).find('\t')) + ",";
  }
  const bool icon = (GetWindowLongA(GetDlgItem(dialog, IDC_INFO_ICON), GWL_STYLE) & WS_VISIBLE) &&
                    !(GetWindowLongA(GetDlgItem(dialog, IDC_INFO_NO_ICON), GWL_STYLE) & WS_VISIBLE);
  return shown + " | " + harness::WindowText(GetDlgItem(dialog, IDC_INFO_VALUE)) + (icon ? " | icon" : " | (no icon)");
}

// The layout is the resource script's, and the path shown is the system tests'.
TEST_F(SaverFiles, InformationOfEachKindOfFileTheChosenItemsWholeValueAndNoIconLeft) {
  const struct { const char *file, *shown; std::vector<std::pair<const char*, const char*>> chosen; } cases[] = {
      {"Full Test Saver.scr", "Win32\n(4.0) | 1.2.3.4 | 5.6.7.8 | Debug, Pre-Release | Comments,Company Name,"
                              "File Description,File Version,Internal Name,Language,Legal Copyright,Legal Trademarks,"
                              "Original Filename,Private Build,Product Name,Product Version,Special Build, | "
                              "Shows what it is told | icon",
       {{"Special Build", "Line one\r\nline two of a longer value"}, {"Private Build", ""}}},
      {"saver310.scr", "Win32\n(3.10) | (No info available) | (No info available) | (No info available) |  |  | icon"},
      {"ne_title.scr", "Win16 | 3.1.2.4 | 3.1.0.0 | Special Build, Patched | Comments,Company Name,File Description,"
                       "Language, | Zweite Tabelle | (no icon)"},
      {"nowhere.scr", "unknown | (No info available) | (No info available) | (No info available) |  |  | (no icon)"}};
  for (const auto& c : cases) {
    const std::string path = WindowsFile(c.file);
    static char name[] = "Name";
    SaverEntry entry = {name, const_cast<char*>(path.c_str()), const_cast<char*>(path.c_str()), 0, Saver32};
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_SAVER_INFO), nullptr,
                                     SaverInfoDialog, reinterpret_cast<LPARAM>(&entry));
    ASSERT_EQ("Name", harness::WindowText(GetDlgItem(dialog, IDC_INFO_NAME))) << c.file;
    EXPECT_EQ(c.shown, Shown(dialog)) << c.file;
    HWND list = GetDlgItem(dialog, IDC_INFO_LIST);
    for (const auto& chosen : c.chosen) {
      const LRESULT item = SendMessageA(list, LB_FINDSTRING, -1, reinterpret_cast<LPARAM>(chosen.first));
      SendMessageA(list, LB_SETCURSEL, item, 0);
      SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_INFO_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
      EXPECT_EQ(chosen.second, harness::WindowText(GetDlgItem(dialog, IDC_INFO_VALUE))) << chosen.first;
    }
    HICON icon = reinterpret_cast<HICON>(SendDlgItemMessageA(dialog, IDC_INFO_ICON, STM_GETICON, 0, 0));
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    DestroyWindow(dialog);
    ICONINFO iconInfo = {};
    EXPECT_FALSE(icon && GetIconInfo(icon, &iconInfo)) << c.file << ": the icon outlived its dialog";
  }
}

}  // namespace
