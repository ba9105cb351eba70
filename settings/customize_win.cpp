#include "settings/customize_win.h"

#include <commctrl.h>

#include <initializer_list>

#include "base/errortext.h"
#include "base/help_win.h"
#include "base/messages.h"
#include "base/owned_win.h"
#include "base/platform_win.h"
#include "base/process_win.h"
#include "base/report_win.h"
#include "base/shelllib_win.h"
#include "buttonbar/face_win.h"
#include "base/childwindows_win.h"
#include "res/resource.h"
#include "settings/autostart.h"
#include "settings/autostart_win.h"
#include "settings/pages.h"

namespace {

enum PageIndex { kTaskbarIconsPage, kButtonBarPage, kFastExitPage, kHotKeysPage, kPageCount };
const WORD kTemplates[kPageCount] = {IDD_PAGE_TASKBAR_ICONS, IDD_PAGE_BUTTON_BAR, IDD_PAGE_FAST_EXIT, IDD_PAGE_HOT_KEYS};
const DWORD kPageHelp[kPageCount] = {kHelpTaskbarIconsPage, kHelpButtonBarPage, kHelpFastExitPage, kHelpHotKeysPage};

// One opening of the sheet, from the call that shows it; each page finds it
// through its own window.
struct Sheet {
  Options* live = nullptr;
  Options working;
  HandOverState handOver;
  RunValue run;  // not in the options: the system's own list says whether the program starts with Windows
  HWND window = nullptr;  // null until the first page shows
  HWND owner = nullptr;
  int32_t page = 0;        // the page shown, and the one handed over last
  int32_t handedPage = 0;
  DWORD helpContext = 0;
  bool tracking[kPageCount] = {};
  // The Taskbar Icons page's small icons, loaded for it and freed as it goes;
  // the templates' own are shared.
  OwnedIcon smallIcons[2];
  PROPSHEETPAGEA pages[kPageCount];
  PROPSHEETHEADERA header;
};

Sheet* SheetOf(HWND page) { return reinterpret_cast<Sheet*>(GetWindowLongPtrA(page, DWLP_USER)); }

void Tell(HWND page, const char* text) {
  MessageBoxA(page, text, kProgramCaption, MB_ICONEXCLAMATION | MB_SETFOREGROUND);
}
bool Checked(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }
void Check(HWND page, int id, int32_t on) { CheckDlgButton(page, id, on ? BST_CHECKED : BST_UNCHECKED); }
void SetResult(HWND page, LONG_PTR result) { SetWindowLongPtrA(page, DWLP_MSGRESULT, result); }


// The first checked of `count` radio buttons from `firstId`; `fallback` when none is.
int32_t ReadGroup(HWND page, int firstId, int count, int32_t fallback) {
  bool checked[6] = {};
  for (int i = 0; i < count; ++i) checked[i] = Checked(page, firstId + i);
  return FirstChecked(checked, count, fallback);
}

// Checks button `firstId + value` of a group of `count`, when the value names one.
void WriteGroup(HWND page, int firstId, int count, int32_t value) {
  if (value >= 0 && value < count) CheckRadioButton(page, firstId, firstId + count - 1, firstId + value);
}

// --- Taskbar Icons -----------------------------------------------------------

void WriteTaskbarIcons(HWND page, const Options& record) {
  Check(page, IDC_TI_FAST_EXIT_SHOW, record.FastExitTaskbarIcon.Show);
  CheckRadioButton(page, IDC_TI_EXIT_SINGLE, IDC_TI_EXIT_DOUBLE,
                   record.FastExitTaskbarIcon.ExitOnSingleClick ? IDC_TI_EXIT_SINGLE : IDC_TI_EXIT_DOUBLE);
  Check(page, IDC_TI_SHOW, record.TaskbarIcon.Show);
  WriteGroup(page, IDC_TI_SINGLE_FIRST, kClickActionCount, record.TaskbarIcon.SingleClick);
  WriteGroup(page, IDC_TI_DOUBLE_FIRST, kClickActionCount, record.TaskbarIcon.DoubleClick);
  Check(page, IDC_TI_KEEP_DISPLAY, record.TaskbarIcon.KeepDisplayOn);
}

const char* ReadTaskbarIcons(HWND page, Options* record) {
  record->FastExitTaskbarIcon.Show = Checked(page, IDC_TI_FAST_EXIT_SHOW);
  record->FastExitTaskbarIcon.ExitOnSingleClick = Checked(page, IDC_TI_EXIT_SINGLE);
  record->TaskbarIcon.Show = Checked(page, IDC_TI_SHOW);
  record->TaskbarIcon.SingleClick = ReadGroup(page, IDC_TI_SINGLE_FIRST, kClickActionCount, record->TaskbarIcon.SingleClick);
  record->TaskbarIcon.DoubleClick = ReadGroup(page, IDC_TI_DOUBLE_FIRST, kClickActionCount, record->TaskbarIcon.DoubleClick);
  record->TaskbarIcon.KeepDisplayOn = Checked(page, IDC_TI_KEEP_DISPLAY);
  return ValidateTaskbarIcon(record->TaskbarIcon);
}

void KeepTaskbarIcons(const Options& from, Options* to) {
  to->FastExitTaskbarIcon = from.FastExitTaskbarIcon;
  to->TaskbarIcon = from.TaskbarIcon;
}

void InitTaskbarIcons(HWND page, Options& working) {
  WriteTaskbarIcons(page, working);
  const int side = GetSystemMetrics(SM_CXSMICON), height = GetSystemMetrics(SM_CYSMICON);
  const struct { int resource, control; } kIcons[2] = {{IDI_SAVER_ENABLED, IDC_TI_SAVER_ICON},
                                                       {IDI_FAST_EXIT, IDC_TI_FAST_EXIT_ICON}};
  for (int i = 0; i < 2; ++i) {
    OwnedIcon& icon = SheetOf(page)->smallIcons[i];
    icon.Reset(static_cast<HICON>(
        LoadImageA(g_instance, MAKEINTRESOURCEA(kIcons[i].resource), IMAGE_ICON, side, height, 0)));
    if (icon.Ok()) SendDlgItemMessageA(page, kIcons[i].control, STM_SETICON, reinterpret_cast<WPARAM>(icon.Get()), 0);
  }
  Check(page, IDC_TI_START_WITH_WINDOWS, SheetOf(page)->run.Found());
  EnableWindow(GetDlgItem(page, IDC_TI_KEEP_DISPLAY), IsWindows98Or2000());
  if (!HasNewShell()) {  // no notification area: only the note stays readable
    DisableChildWindows(page);
    EnableWindow(GetDlgItem(page, IDC_TI_NOTE), TRUE);
    ShowWindow(GetDlgItem(page, IDC_TI_NOTE), SW_SHOW);
  }
}

// --- Button Bar --------------------------------------------------------------

// The selection check boxes with their bits, in the order a read sets them.
const struct { int id; int32_t bit; } kSelectionBoxes[] = {
    {IDC_BB_TOGGLE, kButtonToggle}, {IDC_BB_START, kButtonStart},
    {IDC_BB_FAST_EXIT, kButtonFastExit}, {IDC_BB_PROPERTIES, kButtonProperties}};

// The face previews: control, face, size class.
const struct { int id, face, size; } kPreviews[] = {
    {IDC_BB_FACE_TOGGLE, kButtonToggle, 0}, {IDC_BB_FACE_PROPERTIES, kButtonProperties, 0},
    {IDC_BB_FACE_START, kButtonStart, 0},   {IDC_BB_FACE_FAST_EXIT, kButtonFastExit, 0},
    {IDC_BB_FACE_SMALL, kButtonToggle, 0},  {IDC_BB_FACE_MEDIUM, kButtonToggle, 1},
    {IDC_BB_FACE_LARGE, kButtonToggle, 2}};

void WriteButtonBar(HWND page, const ButtonBarOptions& bar) {
  Check(page, IDC_BB_SHOW, bar.Show);
  Check(page, IDC_BB_ON_TOP, bar.OnTop);
  Check(page, IDC_BB_TOOLTIPS, bar.Tooltips);
  for (const auto& box : kSelectionBoxes) Check(page, box.id, bar.Selection & box.bit);
  CheckRadioButton(page, IDC_BB_SMALL, IDC_BB_LARGE,
                   bar.ButtonSize == 1 ? IDC_BB_MEDIUM : bar.ButtonSize == 2 ? IDC_BB_LARGE : IDC_BB_SMALL);
  SetDlgItemInt(page, IDC_BB_SPACE, static_cast<UINT>(bar.SpaceBetween), FALSE);
  SetDlgItemInt(page, IDC_BB_BORDER, static_cast<UINT>(bar.Border), FALSE);
}

int32_t ReadBarNumber(HWND page, int id) {
  BOOL isNumber = FALSE;
  const UINT number = GetDlgItemInt(page, id, &isNumber, FALSE);
  return BarNumberFromField(isNumber != FALSE, number);
}

// Shows the numbers it took, so the fields say what will be stored.
const char* ReadButtonBar(HWND page, Options* record) {
  ButtonBarOptions& bar = record->ButtonBar;
  bar.Show = Checked(page, IDC_BB_SHOW);
  bar.OnTop = Checked(page, IDC_BB_ON_TOP);
  bar.Tooltips = Checked(page, IDC_BB_TOOLTIPS);
  bar.SetSelection(0);
  for (const auto& box : kSelectionBoxes) bar.SetButton(box.bit, Checked(page, box.id));
  bar.ButtonSize = ReadGroup(page, IDC_BB_SMALL, kButtonSizeCount, bar.ButtonSize);
  bar.SpaceBetween = ReadBarNumber(page, IDC_BB_SPACE);
  bar.Border = ReadBarNumber(page, IDC_BB_BORDER);
  // Only the user's changes count, not the numbers the page writes itself.
  Sheet* sheet = SheetOf(page);
  sheet->tracking[kButtonBarPage] = false;
  WriteButtonBar(page, bar);
  sheet->tracking[kButtonBarPage] = true;
  return ValidateButtonBar(bar);
}

void KeepButtonBar(const Options& from, Options* to) { to->ButtonBar = from.ButtonBar; }

void InitButtonBar(HWND page, Options& working) {
  if (!HasNewShell()) {  // the bar is then the only way to reach the program
    working.ButtonBar.Show = 1;
    EnableWindow(GetDlgItem(page, IDC_BB_SHOW), FALSE);
  }
  WriteButtonBar(page, working.ButtonBar);
  for (int spin : {IDC_BB_SPACE_SPIN, IDC_BB_BORDER_SPIN})
    SendDlgItemMessageA(page, spin, UDM_SETRANGE, 0, MAKELPARAM(30, 0));
  for (const auto& preview : kPreviews) SizeFacePreview(page, preview.id, preview.size);
}

BOOL DrawPreview(const DRAWITEMSTRUCT* item) {
  for (const auto& preview : kPreviews)
    if (static_cast<int>(item->CtlID) == preview.id) {
      ButtonFace face;
      face.Load(preview.face, preview.size);
      face.pressed = FALSE;
      face.saverEnabled = TRUE;
      face.Paint(item->hDC);
      return TRUE;
    }
  return FALSE;
}

// --- Fast Exit -----------------------------------------------------------------

void WriteFastExit(HWND page, const Options& record) {
  CheckRadioButton(page, IDC_FE_FIRST, IDC_FE_FIRST + 5, IDC_FE_FIRST + FastExitButtonOf(record.FastExit.FastExitOpt));
}

const char* ReadFastExit(HWND page, Options* record) {
  bool checked[6];
  for (int i = 0; i < 6; ++i) checked[i] = Checked(page, IDC_FE_FIRST + i);
  record->FastExit.FastExitOpt = FastExitOptFromButtons(checked);
  return ValidateFastExit(record->FastExit);
}

void KeepFastExit(const Options& from, Options* to) { to->FastExit = from.FastExit; }

void InitFastExit(HWND page, Options& working) {
  WriteFastExit(page, working);
  if (GetPlatformKind() == PlatformNT)
    for (int id : {IDC_FE_FIRST + 4, IDC_FE_FIRST + 5}) EnableWindow(GetDlgItem(page, id), FALSE);
}

// --- Hot Keys --------------------------------------------------------------------

void WriteHotKeys(HWND page, const Options& record) {
  for (int i = 0; i < HotKeyOptions::kCount; ++i)
    SendDlgItemMessageA(page, IDC_HK_FIRST + i, HKM_SETHOTKEY, record.HotKeys.KeyAt(i), 0);
}

const char* ReadHotKeys(HWND page, Options* record) {
  for (int i = 0; i < HotKeyOptions::kCount; ++i)
    *record->HotKeys.Key(i) = LOWORD(SendDlgItemMessageA(page, IDC_HK_FIRST + i, HKM_GETHOTKEY, 0, 0));
  return nullptr;
}

void KeepHotKeys(const Options& from, Options* to) { to->HotKeys = from.HotKeys; }

// A key alone, or with one modifier only, becomes Ctrl+Alt and that key.
void InitHotKeys(HWND page, Options& working) {
  WriteHotKeys(page, working);
  for (int i = 0; i < HotKeyOptions::kCount; ++i)
    SendDlgItemMessageA(page, IDC_HK_FIRST + i, HKM_SETRULES, HKCOMB_NONE | HKCOMB_S | HKCOMB_C | HKCOMB_A,
                        MAKELPARAM(HOTKEYF_CONTROL | HOTKEYF_ALT, 0));
}

// --- Shared ----------------------------------------------------------------------

struct PageKind {
  PageIndex index;
  void (*init)(HWND page, Options& working);
  const char* (*read)(HWND page, Options* record);  // the message of the first rule broken, or null
  void (*keep)(const Options& from, Options* to);
};

const PageKind kPageKinds[kPageCount] = {
    {kTaskbarIconsPage, InitTaskbarIcons, ReadTaskbarIcons, KeepTaskbarIcons},
    {kButtonBarPage, InitButtonBar, ReadButtonBar, KeepButtonBar},
    {kFastExitPage, InitFastExit, ReadFastExit, KeepFastExit},
    {kHotKeysPage, InitHotKeys, ReadHotKeys, KeepHotKeys}};

// Any change on a page makes the working copy new again and enables Apply.
void NoteChange(Sheet* sheet, HWND page) {
  sheet->handOver.applied = false;
  if (sheet->window) SendMessageA(sheet->window, PSM_CHANGED, reinterpret_cast<WPARAM>(page), 0);
}

BOOL OnApply(Sheet* sheet, PageIndex index, HWND page) {
  switch (HandOver(sheet->working, sheet->live, &sheet->handOver)) {
    case kHandOverRefused:
      Tell(page, kShowsNothing);
      SetResult(page, PSNRET_INVALID_NOCHANGEPAGE);
      return TRUE;
    case kHandedOver:
      sheet->handedPage = sheet->page;
      if (sheet->owner) SendMessageA(sheet->owner, WM_NAPKEY_APPLY_OPTIONS, 0, reinterpret_cast<LPARAM>(sheet->live));
      break;
    case kAlreadyHandedOver: break;
  }
  // The sheet stays open, turned to the box whose change did not take.
  if (index == kTaskbarIconsPage && !sheet->run.Apply(Checked(page, IDC_TI_START_WITH_WINDOWS))) {
    Tell(page, kRunNotChanged);
    SetResult(page, PSNRET_INVALID);
    return TRUE;
  }
  SetResult(page, PSNRET_NOERROR);
  if (sheet->window) SendMessageA(sheet->window, PSM_CANCELTOCLOSE, 0, 0);
  return TRUE;
}

BOOL CustomizePageCommon(Sheet* sheet, PageIndex index, HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) {
    if ((HIWORD(wParam) == BN_CLICKED || HIWORD(wParam) == EN_CHANGE) && sheet->tracking[index])
      NoteChange(sheet, page);
    return FALSE;
  }
  if (message == WM_HELP) {
    ShowHelpTopic(sheet->helpContext);
    return FALSE;
  }
  if (message != WM_NOTIFY) return FALSE;
  const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
  if (header->code == static_cast<UINT>(UDN_DELTAPOS)) NoteChange(sheet, page);
  switch (header->code) {
    case PSN_SETACTIVE:
      if (!sheet->window) {
        // Like every dialog of the program, the sheet opens in view: placed by
        // the system it would sit on the owner, off screen below a bar docked
        // at the bottom.
        sheet->window = header->hwndFrom;
        PlaceDialog(sheet->window);
      }
      SetResult(page, 0);
      return TRUE;
    case PSN_KILLACTIVE: SetResult(page, FALSE); return TRUE;
    case PSN_APPLY: return OnApply(sheet, index, page);
    case PSN_RESET:
      sheet->handOver.accepted = false;
      SetResult(page, 0);
      return TRUE;
    case PSN_QUERYCANCEL: sheet->handOver.accepted = false; return FALSE;
    case PSN_HELP: ShowHelpTopic(kHelpCustomize); return TRUE;
  }
  return FALSE;
}

INT_PTR PageProc(const PageKind& kind, HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    Sheet* sheet = reinterpret_cast<Sheet*>(reinterpret_cast<const PROPSHEETPAGEA*>(lParam)->lParam);
    SetWindowLongPtrA(page, DWLP_USER, reinterpret_cast<LONG_PTR>(sheet));
    kind.init(page, sheet->working);
    // The up-down controls' set-up and the page's own numbers notify like
    // typing does: only what comes after counts as the user's change.
    sheet->tracking[kind.index] = true;
    return TRUE;
  }
  Sheet* sheet = SheetOf(page);
  if (!sheet) return FALSE;  // messages before the page's initialisation
  switch (message) {
    case WM_DRAWITEM:
      if (DrawPreview(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
      break;
    case WM_DESTROY:
      if (kind.index == kTaskbarIconsPage)
        for (OwnedIcon& icon : sheet->smallIcons) icon.Reset();
      break;
    case WM_NOTIFY: {
      const UINT code = reinterpret_cast<const NMHDR*>(lParam)->code;
      if (code == static_cast<UINT>(PSN_SETACTIVE)) {
        sheet->page = kind.index;
        sheet->helpContext = kPageHelp[kind.index];
      } else if (code == static_cast<UINT>(PSN_KILLACTIVE)) {
        // Read into a copy: a page that breaks a rule stays, and keeps nothing.
        Options read = sheet->working;
        if (const char* message = kind.read(page, &read)) {
          Tell(page, message);
          SetResult(page, TRUE);
          return TRUE;
        }
        kind.keep(read, &sheet->working);
      }
      break;
    }
  }
  return CustomizePageCommon(sheet, kind.index, page, message, wParam, lParam);
}

INT_PTR CALLBACK TaskbarIconsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  return PageProc(kPageKinds[kTaskbarIconsPage], page, message, wParam, lParam);
}
INT_PTR CALLBACK ButtonBarPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  return PageProc(kPageKinds[kButtonBarPage], page, message, wParam, lParam);
}
INT_PTR CALLBACK FastExitPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  return PageProc(kPageKinds[kFastExitPage], page, message, wParam, lParam);
}
INT_PTR CALLBACK HotKeysPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  return PageProc(kPageKinds[kHotKeysPage], page, message, wParam, lParam);
}

const DLGPROC kPageProcs[kPageCount] = {TaskbarIconsPageProc, ButtonBarPageProc, FastExitPageProc, HotKeysPageProc};

}  // namespace

int32_t FirstCustomizePage(int platformLevel) { return !HasNewShell(platformLevel) ? kButtonBarPage : kTaskbarIconsPage; }

bool RunCustomizeSheet(HWND owner, Options* live, int32_t* startPage) {
  Sheet sheet;
  sheet.live = live;
  sheet.working = *live;
  sheet.owner = owner;
  sheet.page = sheet.handedPage = *startPage;
  for (int i = 0; i < kPageCount; ++i) {
    PROPSHEETPAGEA& page = sheet.pages[i];
    ZeroMemory(&page, sizeof page);
    page.dwSize = sizeof page;
    page.dwFlags = PSP_HASHELP;
    page.hInstance = g_instance;
    page.pszTemplate = MAKEINTRESOURCEA(kTemplates[i]);
    page.pfnDlgProc = kPageProcs[i];
    page.lParam = reinterpret_cast<LPARAM>(&sheet);
  }
  PROPSHEETHEADERA& header = sheet.header;
  ZeroMemory(&header, sizeof header);
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_HASHELP;
  header.hwndParent = owner;
  header.hInstance = g_instance;
  header.pszCaption = "Customize Drowsel/Plus";
  header.nPages = kPageCount;
  header.nStartPage = static_cast<UINT>(*startPage);
  header.ppsp = sheet.pages;
  if (RunPropertySheet(&header) < 0)
    ReportError(owner, ReportPrefix | ReportSupport | ReportDiagnostics, MB_ICONHAND, "Could not Customize",
                "PropertySheet", 0);
  // The next opening shows the page last handed over with the options.
  if (sheet.handOver.accepted) *startPage = sheet.handedPage;
  else if (!sheet.run.Restore()) Tell(owner, kRunNotChanged);
  return sheet.handOver.accepted;
}
