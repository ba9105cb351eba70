// The saver catalogue and the information dialog, over savers placed in the
// Windows and System directories of this prefix.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/platform_win.h"
#include "dialogs.h"
#include "res/resource.h"
#include "saverdlg/catalogue_win.h"
#include "saverdlg/infodlg_win.h"

extern std::string g_fixturesDir;

namespace {

std::string InDirectory(UINT(WINAPI* directory)(LPSTR, UINT), const char* name) {
  char path[MAX_PATH];
  directory(path, MAX_PATH);
  return std::string(path) + "\\" + name;
}

// Fixture file, the name it is placed under in the Windows directory.
const std::pair<const char*, const char*> kPlaced[] = {
    {"saverfull.scr", "Full Test Saver.scr"}, {"saver310.scr", "saver310.scr"}, {"ne_title.scr", "ne_title.scr"},
    {"ne_bare.scr", "ne_bare.scr"},           {"ne_plain.scr", "ne_plain.scr"}, {"ne_reloc.scr", "ne_reloc.scr"},
    {"ne_trunc.scr", "ne_trunc.scr"}};
const std::string kSystemCopy = InDirectory(GetSystemDirectoryA, "saver310.scr");

void RemoveSavers() {
  for (const auto& placed : kPlaced) DeleteFileA(InDirectory(GetWindowsDirectoryA, placed.second).c_str());
  DeleteFileA(kSystemCopy.c_str());
}

class SaverFiles : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    for (const auto& placed : kPlaced)
      CopyFileA((g_fixturesDir + "\\" + placed.first).c_str(), InDirectory(GetWindowsDirectoryA, placed.second).c_str(),
                FALSE);
    CopyFileA((g_fixturesDir + "\\saver310.scr").c_str(), kSystemCopy.c_str(), FALSE);
  }
  static void TearDownTestSuite() { RemoveSavers(); }
};

TEST(SaverCatalogue, NothingFoundWithoutSaverFiles) {
  RemoveSavers();  // whatever an earlier run left
  SaverCatalogue catalogue;
  EXPECT_EQ(nullptr, catalogue.first);
  EXPECT_EQ(0, catalogue.nextSequence);
}

TEST_F(SaverFiles, CatalogueNamesAndKindsPerPlatformWithBrokenFilesLeftOut) {
  const bool windows95 = GetPlatformKind() == PlatformWin95;
  const std::string old = windows95 ? "saver310" : "saver310.scr (32-bit)";
  const std::map<std::string, std::pair<std::string, int>> expected = {
      {InDirectory(GetWindowsDirectoryA, "Full Test Saver.scr"),
       {windows95 ? "Full Test Saver" : "Napkey Full Test Saver", Saver32Preview}},
      {InDirectory(GetWindowsDirectoryA, "saver310.scr"), {old, Saver32}},
      {kSystemCopy, {old, Saver32}},
      {InDirectory(GetWindowsDirectoryA, "ne_title.scr"), {"Title (16-bit)", Saver16}},
      {InDirectory(GetWindowsDirectoryA, "ne_bare.scr"), {"SCRNSAVE: (16-bit)", Saver16}},
      {InDirectory(GetWindowsDirectoryA, "ne_plain.scr"), {"Plain Old Saver (16-bit)", Saver16}}};
  const DWORD handlesBefore = harness::HandleCount();
  {
    SaverCatalogue catalogue;
    std::map<std::string, std::pair<std::string, int>> found;
    std::set<int32_t> sequences;
    for (SaverEntry* entry = catalogue.first; entry; entry = entry->next) {
      ASSERT_TRUE(entry->fullPath && entry->displayName && entry->shortPath);
      found[entry->fullPath] = {entry->displayName, entry->kind};
      sequences.insert(entry->sequence);
      char shortPath[MAX_PATH] = "";
      GetShortPathNameA(entry->fullPath, shortPath, MAX_PATH);
      EXPECT_EQ(0, lstrcmpiA(shortPath, entry->shortPath)) << entry->shortPath;
    }
    EXPECT_EQ(static_cast<size_t>(catalogue.nextSequence), sequences.size()) << "sequences unique";
    EXPECT_EQ(catalogue.nextSequence - 1, *sequences.rbegin()) << "and from 0 on";
    EXPECT_EQ(expected, found);
    EXPECT_EQ(catalogue.first, catalogue.cursor);
    EXPECT_EQ(catalogue.first->next, catalogue.FindBySequence(catalogue.first->next->sequence));
    EXPECT_EQ(nullptr, catalogue.FindBySequence(catalogue.nextSequence));
  }
  EXPECT_EQ(handlesBefore, harness::HandleCount()) << "a file left open";
}

// The information dialog, open (not yet shown) on the file at `path`.
HWND OpenInfo(SaverEntry* entry, const std::string& path) {
  static char name[] = "Name";
  *entry = {name, const_cast<char*>(path.c_str()), const_cast<char*>(path.c_str()), 0, Saver32, nullptr};
  HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_SAVER_INFO), nullptr,
                                   SaverInfoDialog, reinterpret_cast<LPARAM>(entry));
  EXPECT_EQ("Name", harness::WindowText(GetDlgItem(dialog, IDC_INFO_NAME)));
  EXPECT_EQ(path, harness::WindowText(GetDlgItem(dialog, IDC_INFO_PATH)));
  return dialog;
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

TEST_F(SaverFiles, InformationOfEachKindOfFile) {
  const struct { const char* file; const char* shown; } cases[] = {
      {"Full Test Saver.scr", "Win32\n(4.0) | 1.2.3.4 | 5.6.7.8 | Debug, Pre-Release | Comments,Company Name,"
                              "File Description,File Version,Internal Name,Language,Legal Copyright,Legal Trademarks,"
                              "Original Filename,Private Build,Product Name,Product Version,Special Build, | "
                              "Shows what it is told | icon"},
      {"saver310.scr", "Win32\n(3.10) | (No info available) | (No info available) | (No info available) |  |  | icon"},
      {"ne_title.scr", "Win16 | 3.1.2.4 | 3.1.0.0 | Special Build, Patched | Comments,Company Name,File Description,"
                       "Language, | Zweite Tabelle | (no icon)"},
      {"nowhere.scr", "unknown | (No info available) | (No info available) | (No info available) |  |  | (no icon)"}};
  for (const auto& c : cases) {
    SaverEntry entry;
    HWND dialog = OpenInfo(&entry, InDirectory(GetWindowsDirectoryA, c.file));
    EXPECT_EQ(c.shown, Shown(dialog)) << c.file;
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    DestroyWindow(dialog);
  }
}

TEST_F(SaverFiles, InformationDialogLayoutChoosingAndItsIcon) {
  const std::string path = InDirectory(GetWindowsDirectoryA, "Full Test Saver.scr");
  SaverEntry entry;
  HWND dialog = OpenInfo(&entry, path);
  ASSERT_TRUE(dialog);
  // Template places and sizes (x, y, width, height) in dialog units: by id, or
  // by text for the labels. Each is mapped on its own, as the template is.
  const struct { int id; const char* text; RECT units; } controls[] = {
      {IDC_INFO_NO_ICON, nullptr, {4, 6, 18, 20}},      {IDC_INFO_PATH, nullptr, {27, 6, 216, 8}},
      {IDC_INFO_NAME, nullptr, {27, 17, 216, 8}},      {0, "File Type:", {4, 30, 34, 8}},
      {IDC_INFO_TYPE, nullptr, {4, 45, 34, 20}},        {0, "File Last Changed:", {47, 30, 84, 8}},
      {IDC_INFO_CHANGED, nullptr, {138, 30, 105, 8}},  {0, "Internal File Version:", {47, 41, 84, 8}},
      {IDC_INFO_FILE_VERSION, nullptr, {138, 41, 105, 8}}, {0, "Internal Product Version:", {47, 52, 84, 8}},
      {IDC_INFO_PRODUCT_VERSION, nullptr, {138, 52, 105, 8}}, {0, "Internal File Flags:", {47, 63, 84, 8}},
      {IDC_INFO_FLAGS, nullptr, {138, 63, 105, 27}},    {0, "&Version Information:", {4, 87, 83, 8}},
      {IDC_INFO_LIST, nullptr, {4, 100, 88, 57}},      {IDC_INFO_VALUE, nullptr, {104, 100, 139, 57}},
      {IDOK, nullptr, {64, 165, 50, 14}},             {IDC_INFO_HELP, nullptr, {130, 165, 50, 14}}};
  for (const auto& c : controls) {
    HWND control = c.id ? GetDlgItem(dialog, c.id) : FindWindowExA(dialog, nullptr, "Static", c.text);
    ASSERT_TRUE(control) << (c.text ? c.text : "") << c.id;
    RECT expected = c.units, actual;
    MapDialogRect(dialog, &expected);
    GetWindowRect(control, &actual);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
    expected.right += expected.left;
    expected.bottom += expected.top;
    // A list box keeps to whole items: it may end up to one item short.
    const LONG item = static_cast<LONG>(SendMessageA(control, LB_GETITEMHEIGHT, 0, 0));
    if (c.id == IDC_INFO_LIST && actual.bottom <= expected.bottom && actual.bottom > expected.bottom - item)
      actual.bottom = expected.bottom;
    EXPECT_TRUE(EqualRect(&expected, &actual)) << (c.text ? c.text : "") << c.id << ": " << actual.left << ","
                                                << actual.top << "," << actual.right << "," << actual.bottom;
  }
  RECT client, size = {0, 0, 246, 185};
  GetClientRect(dialog, &client);
  MapDialogRect(dialog, &size);
  EXPECT_TRUE(EqualRect(&size, &client));

  // Choosing an item shows its whole value; the last-changed time is UTC.
  for (const auto& chosen : {std::make_pair("Special Build", "Line one\r\nline two of a longer value"),
                             std::make_pair("Private Build", "")}) {
    const LRESULT item = SendDlgItemMessageA(dialog, IDC_INFO_LIST, LB_FINDSTRING, -1,
                                             reinterpret_cast<LPARAM>(chosen.first));
    SendDlgItemMessageA(dialog, IDC_INFO_LIST, LB_SETCURSEL, item, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_INFO_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_INFO_LIST)));
    EXPECT_EQ(chosen.second, harness::WindowText(GetDlgItem(dialog, IDC_INFO_VALUE))) << chosen.first;
  }
  WIN32_FILE_ATTRIBUTE_DATA attributes;
  SYSTEMTIME utc;
  char date[32], time[32];
  ASSERT_TRUE(GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &attributes));
  FileTimeToSystemTime(&attributes.ftLastWriteTime, &utc);
  GetDateFormatA(GetUserDefaultLCID(), DATE_SHORTDATE, &utc, nullptr, date, sizeof date);
  GetTimeFormatA(GetUserDefaultLCID(), 0, &utc, nullptr, time, sizeof time);
  EXPECT_EQ(std::string(date) + "  " + time, harness::WindowText(GetDlgItem(dialog, IDC_INFO_CHANGED)));

  HICON icon = reinterpret_cast<HICON>(SendDlgItemMessageA(dialog, IDC_INFO_ICON, STM_GETICON, 0, 0));
  ICONINFO iconInfo = {};
  ASSERT_TRUE(GetIconInfo(icon, &iconInfo));
  DeleteObject(iconInfo.hbmColor);
  DeleteObject(iconInfo.hbmMask);
  SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  DestroyWindow(dialog);
  EXPECT_FALSE(GetIconInfo(icon, &iconInfo)) << "the icon outlived its dialog";
}

}  // namespace
