#include "saverdlg/infodlg_win.h"

#include <cstring>

#include "base/help_win.h"
#include "base/owned_win.h"
#include "base/textbuf.h"
#include "res/resource.h"
#include "saverdlg/catalogue_win.h"

namespace {

const char* const kStringKeys[] = {"Comments",        "CompanyName",     "FileDescription",  "FileVersion",
                                   "InternalName",    "LegalCopyright",  "LegalTrademarks",  "OriginalFilename",
                                   "PrivateBuild",    "ProductName",     "ProductVersion",   "SpecialBuild"};
const char kNoInfo[] = "(No info available)";

// The dialog's record of the file's version resource, made as it opens and
// freed as it goes.
VersionInfo* InfoOf(HWND dialog) { return reinterpret_cast<VersionInfo*>(GetWindowLongPtrA(dialog, DWLP_USER)); }

// UTC, as the file system keeps it: the user's short date, two blanks, the time.
void ReadLastChanged(VersionInfo* info, const char* path) {
  OpenedFile file(path);
  FILETIME written;
  SYSTEMTIME time;
  char date[19], clock[19];
  if (file.Ok() && GetFileTime(file.Handle(), nullptr, nullptr, &written) && FileTimeToSystemTime(&written, &time) &&
      GetDateFormatA(GetUserDefaultLCID(), DATE_SHORTDATE, &time, nullptr, date, sizeof date)) {
    TextBuilder text(info->lastChanged, sizeof info->lastChanged);
    text.Append(date).Append("  ");
    if (GetTimeFormatA(GetUserDefaultLCID(), 0, &time, nullptr, clock, sizeof clock)) text.Append(clock);
  }
}

// A string of a 16-bit block, unless the same key already holds it (one
// string may stand in several string tables).
void AddSixteenBitValue(void* context, const char* key, const char* value, size_t length) {
  VersionInfo* info = static_cast<VersionInfo*>(context);
  char* text = new char[length + 1];
  if (!text) return;
  std::memcpy(text, value, length);
  text[length] = '\0';
  if (!info->HasEntry(key, text)) info->Add(key, text, length);
  delete[] text;
}

void ReadThirtyTwoBitValues(VersionInfo* info, void* block, WORD language, WORD codePage) {
  for (const char* key : kStringKeys) {
    char query[64];
    TextBuilder(query, sizeof query)
        .Append("\\StringFileInfo\\")
        .AppendUnsigned(language, 16, 4)
        .AppendUnsigned(codePage, 16, 4)
        .Append("\\")
        .Append(key);
    char* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block, query, reinterpret_cast<void**>(&value), &length) || !value) continue;
    info->Add(key, value, VersionValueLength(value, length));
  }
}

void ReadVersionBlock(VersionInfo* info, void* block, size_t size) {
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (VerQueryValueA(block, "\\", reinterpret_cast<void**>(&fixed), &length) && fixed && length >= sizeof *fixed) {
    VersionNumberText(fixed->dwFileVersionMS, fixed->dwFileVersionLS, info->fileVersion, sizeof info->fileVersion);
    VersionNumberText(fixed->dwProductVersionMS, fixed->dwProductVersionLS, info->productVersion,
                      sizeof info->productVersion);
    FileFlagsText(fixed->dwFileFlags, fixed->dwFileFlagsMask, info->fileFlags, sizeof info->fileFlags);
  }
  WORD* translation = nullptr;
  bool translated = VerQueryValueA(block, "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                                   &length) && translation && length >= 4;
  if (translated) {
    char language[50];
    if (VerLanguageNameA(translation[0], language, sizeof language)) info->Add("Language", language, std::strlen(language));
  }
  if (IsSixteenBitVersionBlock(static_cast<unsigned char*>(block), size))
    WalkSixteenBitVersionBlock(static_cast<unsigned char*>(block), size, AddSixteenBitValue, info);
  else if (translated)
    ReadThirtyTwoBitValues(info, block, translation[0], translation[1]);
}

// Without memory for the version record, the file is shown without its version.
void ShowFile(HWND dialog, const SaverEntry* entry, VersionInfo* info) {
  const char* path = entry && entry->fullPath ? entry->fullPath : "";
  HICON icon = ExtractSaverIcon(GetModuleHandleA(nullptr), path);
  if (icon) {
    SendDlgItemMessageA(dialog, IDC_INFO_ICON, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    ShowWindow(GetDlgItem(dialog, IDC_INFO_NO_ICON), SW_HIDE);
  } else {
    ShowWindow(GetDlgItem(dialog, IDC_INFO_ICON), SW_HIDE);
  }
  SetDlgItemTextA(dialog, IDC_INFO_PATH, path);
  SetDlgItemTextA(dialog, IDC_INFO_NAME, entry && entry->displayName ? entry->displayName : "");
  uint16_t major = 0, minor = 0;
  const ExecutableKind kind = GetExecutableKind(path, &major, &minor);
  char type[32];
  FileTypeText(kind, major, minor, type, sizeof type);
  SetDlgItemTextA(dialog, IDC_INFO_TYPE, type);

  const bool read = info && ReadVersionInfo(info, path);
  SetDlgItemTextA(dialog, IDC_INFO_FILE_VERSION, read ? info->fileVersion : kNoInfo);
  SetDlgItemTextA(dialog, IDC_INFO_PRODUCT_VERSION, read ? info->productVersion : kNoInfo);
  SetDlgItemTextA(dialog, IDC_INFO_FLAGS, read ? info->fileFlags : kNoInfo);
  if (read) {
    for (const VersionEntry& item : info->entries)
      SendDlgItemMessageA(dialog, IDC_INFO_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.listText));
    SendDlgItemMessageA(dialog, IDC_INFO_LIST, LB_SETCURSEL, 0, 0);
    ShowSelectedValue(dialog, info);
  }
  SetDlgItemTextA(dialog, IDC_INFO_CHANGED, info ? info->lastChanged : "");
  INT tabStop = 1000;  // past the box: the sequence number after the tab stays out of sight
  SendDlgItemMessageA(dialog, IDC_INFO_LIST, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));
}

}  // namespace

bool ReadVersionInfo(VersionInfo* info, const char* path) {
  info->Clear();
  ReadLastChanged(info, path);
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
  if (size == 0) return !info->entries.Empty();
  unsigned char* buffer = new unsigned char[size + 4];
  if (!buffer) return !info->entries.Empty();
  std::memset(buffer, 0, size + 4);
  unsigned char* block = buffer + ((4 - reinterpret_cast<UINT_PTR>(buffer) % 4) % 4);
  if (GetFileVersionInfoA(path, 0, size, block)) ReadVersionBlock(info, block, size);
  delete[] buffer;
  return !info->entries.Empty();
}

void ShowSelectedValue(HWND dialog, VersionInfo* info) {
  const LRESULT chosen = SendDlgItemMessageA(dialog, IDC_INFO_LIST, LB_GETCURSEL, 0, 0);
  if (chosen == LB_ERR) return;
  const LRESULT length = SendDlgItemMessageA(dialog, IDC_INFO_LIST, LB_GETTEXTLEN, chosen, 0);
  if (length == LB_ERR) return;
  char* text = new char[length + 1];
  if (!text) return;
  text[0] = '\0';
  SendDlgItemMessageA(dialog, IDC_INFO_LIST, LB_GETTEXT, chosen, reinterpret_cast<LPARAM>(text));
  const char* value = info->FindEntryValue(text);
  SetDlgItemTextA(dialog, IDC_INFO_VALUE, value ? value : "");
  delete[] text;
}

INT_PTR CALLBACK SaverInfoDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      VersionInfo* info = new VersionInfo;
      SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(info));
      ShowFile(dialog, reinterpret_cast<const SaverEntry*>(lParam), info);
      return TRUE;
    }
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK:
        case IDCANCEL: EndDialog(dialog, 1); return TRUE;
        case IDC_INFO_HELP: ShowHelpTopic(kHelpSaverProperties); return TRUE;
        case IDC_INFO_LIST:
          if (HIWORD(wParam) == LBN_SELCHANGE && InfoOf(dialog)) ShowSelectedValue(dialog, InfoOf(dialog));
          return TRUE;
      }
      return FALSE;
    case WM_HELP:
      ShowHelpTopic(kHelpSaverProperties);
      return TRUE;
    case WM_DESTROY:  // the extracted icon is the dialog's to free
      OwnedIcon(reinterpret_cast<HICON>(SendDlgItemMessageA(dialog, IDC_INFO_ICON, STM_GETICON, 0, 0)));
      delete InfoOf(dialog);
      SetWindowLongPtrA(dialog, DWLP_USER, 0);
      return FALSE;
  }
  return FALSE;
}
