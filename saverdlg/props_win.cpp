#include "saverdlg/props_win.h"

#include <commctrl.h>

#include "base/errortext.h"
#include "base/help_win.h"
#include "base/messages.h"
#include "base/platform_win.h"
#include "base/process_win.h"
#include "res/resource.h"
#include "saver/launch_win.h"
#include "saver/policy_win.h"
#include "saver/saverstate_win.h"
#include "saverdlg/catalogue_win.h"
#include "saverdlg/infodlg_win.h"
#include "saverdlg/minipreview_win.h"
#include "saverdlg/propslogic.h"
#include "settings/options_win.h"

namespace {

const char kSection[] = "Misc";
const char kNoSaver[] = "No screen saver is selected.";
const char kBadDelay[] = "Delay must be a positive number";
constexpr UINT kWmShowPreview = WM_APP;  // posted to itself: the preview opens once the dialog shows
constexpr int kDelayMaximum = 9999;

// What one open dialog holds; everything goes when it ends.
struct PropsState {
  SaverCatalogue* catalogue = nullptr;
  SaverEntry* current = nullptr;
  long storedPassword = 0;
  bool livePreview = false;
  MiscSettings misc;
  MiniPreview* preview = nullptr;
  SaverPolicy policy;
};

PropsState* StateOf(HWND dialog) { return reinterpret_cast<PropsState*>(GetWindowLongPtrA(dialog, DWLP_USER)); }

bool IsNt() { return GetPlatformKind() == PlatformNT; }
bool Ticked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void Tell(HWND dialog, const char* text) {
  MessageBoxA(dialog, text, kProgramCaption, MB_OK | MB_ICONEXCLAMATION | MB_SETFOREGROUND);
}

int SelectStartingWith(void* list, int after, const char* text) {
  return static_cast<int>(SendMessageA(static_cast<HWND>(list), CB_SELECTSTRING, after, reinterpret_cast<LPARAM>(text)));
}

int32_t ItemData(void* list, int index) {
  return static_cast<int32_t>(SendMessageA(static_cast<HWND>(list), CB_GETITEMDATA, index, 0));
}

bool IsSelectedPath(const char* path, const char* selected) { return lstrcmpiA(path ? path : "", selected) == 0; }

// Fills the list and finds the saver the system has selected, by its full or
// its short path (Windows 95 stores the short one).
void FillList(HWND dialog, PropsState* state) {
  HWND list = GetDlgItem(dialog, IDC_PROPS_LIST);
  char selected[MAX_PATH] = "";
  ReadSelectedSaver(selected, MAX_PATH);
  for (SaverEntry& entry : state->catalogue->entries) {
    const LRESULT item = SendMessageA(list, CB_ADDSTRING, 0,
                                      reinterpret_cast<LPARAM>(entry.displayName ? entry.displayName : ""));
    if (item == CB_ERR || item == CB_ERRSPACE) continue;
    SendMessageA(list, CB_SETITEMDATA, item, entry.sequence);
    if (IsSelectedPath(entry.fullPath, selected) || IsSelectedPath(entry.shortPath, selected)) state->current = &entry;
  }
  if (state->current)
    SelectBySequence(PrefixList{SelectStartingWith, ItemData, list},
                     state->current->displayName ? state->current->displayName : "", state->current->sequence);
}

// What a policy fixes cannot be changed here; a note says why, on a line of
// its own where the buttons were, and they and the dialog move down for it.
void ShowPolicy(HWND dialog, const SaverPolicy& policy) {
  const struct { int id; bool fixed; } kFixed[] = {
      {IDC_PROPS_LIST, policy.saver},       {IDC_PROPS_ENABLED, policy.active >= 0}, {IDC_PROPS_DELAY_LABEL, policy.timeout},
      {IDC_PROPS_DELAY, policy.timeout},    {IDC_PROPS_DELAY_SPIN, policy.timeout}};
  for (const auto& control : kFixed)
    if (control.fixed) EnableWindow(GetDlgItem(dialog, control.id), FALSE);
  if (!policy.Any()) return;
  RECT line = {0, 0, 0, 14};
  MapDialogRect(dialog, &line);
  for (int id : {IDOK, IDCANCEL, IDC_PROPS_APPLY, IDC_PROPS_HELP}) {
    const HWND button = GetDlgItem(dialog, id);
    RECT place;
    GetWindowRect(button, &place);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
    SetWindowPos(button, nullptr, place.left, place.top + line.bottom, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  RECT frame;
  GetWindowRect(dialog, &frame);
  SetWindowPos(dialog, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top + line.bottom,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetDlgItemTextA(dialog, IDC_PROPS_POLICY_NOTE, kPolicyNote);
  ShowWindow(GetDlgItem(dialog, IDC_PROPS_POLICY_NOTE), SW_SHOW);
}

void OnInit(HWND dialog) {
  PropsState* state = new PropsState;
  if (state) state->catalogue = new SaverCatalogue;
  if (!state || !state->catalogue) {
    delete state;
    EndDialog(dialog, 0);
    return;
  }
  SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
  state->policy = ReadSaverPolicy();
  state->storedPassword = GetSaverPassword();
  FillList(dialog, state);
  state->misc.Load();
  state->livePreview = state->misc.showMiniPreview != 0;
  CheckDlgButton(dialog, IDC_PROPS_MINI_PREVIEW, state->livePreview ? BST_CHECKED : BST_UNCHECKED);
  const SaverState& saver = CurrentSaverState();
  CheckDlgButton(dialog, IDC_PROPS_ENABLED, saver.active ? BST_CHECKED : BST_UNCHECKED);
  SetDlgItemInt(dialog, IDC_PROPS_DELAY, DelayShown(saver.timeoutSeconds, state->misc.delayInSeconds != 0), FALSE);
  CheckRadioButton(dialog, IDC_PROPS_SECONDS, IDC_PROPS_MINUTES,
                   state->misc.delayInSeconds ? IDC_PROPS_SECONDS : IDC_PROPS_MINUTES);
  SendDlgItemMessageA(dialog, IDC_PROPS_DELAY_SPIN, UDM_SETRANGE, 0, MAKELPARAM(kDelayMaximum, 1));
  CheckDlgButton(dialog, IDC_PROPS_PASSWORD, state->storedPassword ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(dialog, IDC_PROPS_NO_PREVIEW_PASSWORD,
                 state->misc.disablePreviewPassword ? BST_CHECKED : BST_UNCHECKED);
  UpdatePasswordControls(dialog, state->current);
  ShowPolicy(dialog, state->policy);
  PlaceDialog(dialog);
  PostMessageA(dialog, kWmShowPreview, 0, 0);
}

// Ends the dialog: the preview and the catalogue go first, so nothing of
// either is reached afterwards.
void Finish(HWND dialog, PropsState* state, INT_PTR result) {
  UpdateMiniPreview(dialog, state->current, false);
  state->current = nullptr;
  delete state->catalogue;
  state->catalogue = nullptr;
  EndDialog(dialog, result);
}

void OnSelectionChange(HWND dialog, PropsState* state) {
  const LRESULT chosen = SendDlgItemMessageA(dialog, IDC_PROPS_LIST, CB_GETCURSEL, 0, 0);
  state->current = chosen == CB_ERR ? nullptr
                                    : state->catalogue->FindBySequence(static_cast<int32_t>(
                                          SendDlgItemMessageA(dialog, IDC_PROPS_LIST, CB_GETITEMDATA, chosen, 0)));
  UpdatePasswordControls(dialog, state->current);
  UpdateMiniPreview(dialog, state->current, state->livePreview);
}

// Preview (full screen) or Settings: both wait until the saver ends. On
// Windows 95 the password flag asked for the preview holds only meanwhile.
void OnLaunch(HWND dialog, PropsState* state, int button) {
  bool failed = false;
  if (!state->current || !state->current->fullPath) {
    Tell(dialog, kNoSaver);
  } else {
    bool changed = false;
    if (GetPlatformKind() == PlatformWin95) {
      const long wanted = Ticked(dialog, IDC_PROPS_PASSWORD) && !Ticked(dialog, IDC_PROPS_NO_PREVIEW_PASSWORD);
      if (wanted != state->storedPassword) {
        SetSaverPassword(wanted);
        changed = true;
      }
    }
    failed = !LaunchSaver(dialog, state->current->fullPath, button == IDC_PROPS_PREVIEW ? LaunchTest : LaunchSetup);
    SetForegroundWindow(dialog);
    SetFocus(GetDlgItem(dialog, button));
    if (changed) SetSaverPassword(state->storedPassword);
  }
  UpdatePasswordControls(dialog, state->current);
  UpdateMiniPreview(dialog, state->current, state->livePreview, failed);
}

void OnOkOrApply(HWND dialog, PropsState* state, bool ok) {
  BOOL valid = FALSE;
  const UINT number = GetDlgItemInt(dialog, IDC_PROPS_DELAY, &valid, FALSE);
  uint32_t seconds = 0;
  if (!valid || !DelayToSeconds(number, Ticked(dialog, IDC_PROPS_SECONDS), &seconds)) {
    Tell(dialog, kBadDelay);
    SetFocus(GetDlgItem(dialog, IDC_PROPS_DELAY));
    SendDlgItemMessageA(dialog, IDC_PROPS_DELAY, EM_SETSEL, 0, -1);
    return;
  }
  SetSaverActiveAndTimeout(Ticked(dialog, IDC_PROPS_ENABLED) ? 1 : 0, seconds);
  SelectSaver(state->current ? state->current->fullPath : nullptr);
  state->storedPassword = Ticked(dialog, IDC_PROPS_PASSWORD) ? 1 : 0;
  SetSaverPassword(state->storedPassword);
  state->misc.delayInSeconds = Ticked(dialog, IDC_PROPS_SECONDS) ? 1 : 0;
  state->misc.SetDisablePreviewPassword(Ticked(dialog, IDC_PROPS_NO_PREVIEW_PASSWORD) ? 1 : 0);
  state->misc.showMiniPreview = state->livePreview ? 1 : 0;
  state->misc.Save();
  if (ok) {
    Finish(dialog, state, 1);
  } else {
    SendMessageA(g_mainWindow, WM_NAPKEY_SAVER_CHANGED, 0, 0);
    UpdateMiniPreview(dialog, state->current, state->livePreview);
    SetFocus(GetDlgItem(dialog, IDC_PROPS_LIST));
  }
}

void OnCommand(HWND dialog, PropsState* state, int id, int code) {
  switch (id) {
    case IDC_PROPS_LIST:
      if (code == CBN_SELCHANGE) OnSelectionChange(dialog, state);
      break;
    case IDC_PROPS_PREVIEW:
    case IDC_PROPS_SETTINGS: OnLaunch(dialog, state, id); break;
    case IDC_PROPS_INFO:
      if (state->current)
        DialogBoxParamA(g_instance, MAKEINTRESOURCEA(IDD_SAVER_INFO), dialog, SaverInfoDialog,
                        reinterpret_cast<LPARAM>(state->current));
      else
        Tell(dialog, kNoSaver);
      break;
    case IDC_PROPS_HELP: ShowHelp(); break;
    case IDC_PROPS_MINI_PREVIEW:
      if (code == BN_CLICKED) {
        state->livePreview = Ticked(dialog, IDC_PROPS_MINI_PREVIEW);
        UpdateMiniPreview(dialog, state->current, state->livePreview);
      }
      break;
    case IDC_PROPS_CHANGE_PASSWORD:
      if (state->current) ChangeSaverPassword(dialog, state->current->fullPath);
      break;
    case IDC_PROPS_PASSWORD:
      if (code == BN_CLICKED) UpdatePasswordControls(dialog, state->current);
      break;
    case IDOK:
    case IDC_PROPS_APPLY: OnOkOrApply(dialog, state, id == IDOK); break;
    case IDCANCEL: Finish(dialog, state, 0); break;
  }
}

}  // namespace

void MiscSettings::Load() {
  const ProfileSection stored(NapkeyIni(), kSection);
  delayInSeconds = stored.Int("DelayInSecs", 1);
  disablePreviewPassword = IsNt() ? 1 : stored.Int("DisablePreviewPassword", 1);
  showMiniPreview = stored.Int("ShowMiniPreview", HasNewShell() ? 1 : 0);
}

void MiscSettings::Save() const {
  WriteProfileNumber(NapkeyIni(), kSection, "DelayInSecs", delayInSeconds);
  WriteProfileNumber(NapkeyIni(), kSection, "DisablePreviewPassword", disablePreviewPassword);
  WriteProfileNumber(NapkeyIni(), kSection, "ShowMiniPreview", showMiniPreview);
}

void MiscSettings::SetDisablePreviewPassword(int32_t flag) {
  if (!IsNt()) disablePreviewPassword = flag;
}

void UpdatePasswordControls(HWND dialog, const SaverEntry* entry) {
  const PasswordControls controls = PasswordControlsFor(entry != nullptr, entry ? static_cast<SaverKind>(entry->kind)
                                                                                  : Saver32,
                                                        IsNt(), Ticked(dialog, IDC_PROPS_PASSWORD));
  ShowWindow(GetDlgItem(dialog, IDC_PROPS_16BIT_NOTE), controls.sixteenBitNote ? SW_SHOW : SW_HIDE);
  const PropsState* state = StateOf(dialog);
  EnableWindow(GetDlgItem(dialog, IDC_PROPS_PASSWORD), controls.passwordProtected && !(state && state->policy.secure));
  EnableWindow(GetDlgItem(dialog, IDC_PROPS_NO_PREVIEW_PASSWORD), controls.disableDuringPreview);
  EnableWindow(GetDlgItem(dialog, IDC_PROPS_CHANGE_PASSWORD), controls.changePassword);
}

void UpdateMiniPreview(HWND dialog, SaverEntry* entry, bool show, bool quiet) {
  PropsState* state = StateOf(dialog);
  if (!state) return;
  if (state->preview) {
    state->preview->Clear();
    if (!show) {
      delete state->preview;  // destroys its window
      state->preview = nullptr;
      return;
    }
  }
  if (!show) return;
  if (!state->preview) {
    state->preview = new MiniPreview(dialog);
    SetActiveWindow(dialog);
  }
  if (state->preview) state->preview->Show(entry, quiet);
}

INT_PTR CALLBACK SaverPropsDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  PropsState* state = StateOf(dialog);
  switch (message) {
    case WM_INITDIALOG:
      OnInit(dialog);
      return TRUE;
    case kWmShowPreview:
      if (state && state->catalogue) UpdateMiniPreview(dialog, state->current, state->livePreview);
      return TRUE;
    case WM_COMMAND:
      if (state && state->catalogue) OnCommand(dialog, state, LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_HELP:
      ShowHelpTopic(kHelpSaverProperties);
      return TRUE;
    case WM_DESTROY:
      if (state) {
        delete state->preview;
        delete state->catalogue;
        delete state;
        SetWindowLongPtrA(dialog, DWLP_USER, 0);
      }
      return FALSE;
  }
  return FALSE;
}

INT_PTR RunSaverPropertiesDialog(HWND owner) {
  return DialogBoxParamA(g_instance, MAKEINTRESOURCEA(IDD_SAVER_PROPERTIES), owner, SaverPropsDialog, 0);
}
