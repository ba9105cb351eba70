// The main window's procedure: one handler per message, each a few calls
// into the subsystem that does the work.
#include "app/about_win.h"
#include "base/help_win.h"
#include "base/errortext.h"
#include "base/messages.h"
#include "base/owned_win.h"
#include "base/platform_win.h"
#include "app/userxface.h"
#include "buttonbar/bar_win.h"
#include "buttonbar/tooltip_win.h"
#include "exit/fastexit_win.h"
#include "res/resource.h"
#include "saver/launch_win.h"
#include "saver/policy_win.h"
#include "saver/saverstate_win.h"
#include "saver/watchdog.h"
#include "saverdlg/props_win.h"
#include "settings/customize_win.h"
#include "tray/icons_win.h"

namespace {

UserXface* Existing() { return UserXface::Access(1); }

void HideTooltip() {
  if (UserXface* app = Existing()) app->bar.tooltip.Hide();
}

// Clears the allow flags for the life of one of the program's modal dialogs.
class ModalBracket {
 public:
  ModalBracket() : app(Existing()) {
    if (app) app->SetAllowFlags(FALSE);
  }
  ~ModalBracket() {
    if (app) app->SetAllowFlags(TRUE);
  }
  ModalBracket(const ModalBracket&) = delete;
  ModalBracket& operator=(const ModalBracket&) = delete;

 private:
  UserXface* app;
};

void OnDestroy() {
  if (UserXface* app = Existing()) app->SaveSettings();
  ShutdownSaverState();
  CloseHelp();
  PostQuitMessage(0);
}

void OnPaint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  if (UserXface* app = Existing())
    if (app->options) app->bar.PaintBorder(dc, app->options->ButtonBar.Border);
  EndPaint(window, &paint);
}

void OnSettingChange() {
  SyncSaverState(false);
  if (UserXface* app = Existing()) app->ApplyAll();
}

void OnWmCommand(HWND window, WPARAM wParam, LPARAM lParam) {
  if (UserXface* app = Existing()) app->bar.tooltip.Enable(0);
  if (UserXface* app = Existing()) app->OnCommand(window, wParam, lParam);
  if (UserXface* app = Existing())
    if (app->options) app->bar.tooltip.Enable(app->options->ButtonBar.Tooltips);
}

LRESULT OnSysCommand(HWND window, WPARAM wParam, LPARAM lParam) {
  if ((wParam & 0xFFF0) == SC_CLOSE) {
    const int answer = MessageBoxA(window, "Are you sure you want to exit Drowsel/Plus?", kProgramCaption,
                                   MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2 | MB_SETFOREGROUND);
    if (answer == IDNO) return 0;
  }
  return DefWindowProcA(window, WM_SYSCOMMAND, wParam, lParam);
}

void OnMouseMove(HWND window) {
  if (GetCapture() == window) {
    if (UserXface* app = Existing())
      if (app->options) app->bar.TrackDrag(*app->options, kDragMove);
  } else {
    if (UserXface* app = Existing()) app->bar.tooltip.Track(window, nullptr);
  }
}

void OnLeftButtonDown(HWND window) {
  HideTooltip();
  SetCapture(window);
  if (UserXface* app = Existing())
    if (app->options) app->bar.TrackDrag(*app->options, kDragStart);
}

void OnLeftButtonUp() {
  if (UserXface* app = Existing())
    if (app->options) app->bar.TrackDrag(*app->options, kDragEnd);
  ReleaseCapture();
}

// Where a policy keeps the saver on, the system would ignore an off: the
// user is told so rather than shown a disabled saver that still starts.
bool RefusedByPolicy(HWND window) {
  if (!ReadSaverPolicy().ForcesOn()) return false;
  {
    ModalBracket bracket;
    MessageBoxA(window, kPolicyKeepsSaverOn, kProgramCaption, MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
  }
  if (UserXface* app = Existing()) app->RefreshSaverState();
  return true;
}

// Any toggle ends a timed off, an off too: it then lasts until turned on.
void OnToggleSaver(HWND window, WPARAM request) {
  const UINT wanted = request == kEnableSaver    ? 1
                      : request == kDisableSaver ? 0
                                                 : (CurrentSaverState().active == 0 ? 1 : 0);
  if (!wanted && RefusedByPolicy(window)) return;
  if (UserXface* app = Existing()) app->timedOff.Cancel(window);
  SetSaverActive(wanted);
  if (UserXface* app = Existing()) app->RefreshSaverState();
}

// Without a timer nobody would turn the saver on again, so it stays as it was.
LRESULT OnTimedOff(HWND window, WPARAM minutes, LPARAM seconds) {
  UserXface* app = Existing();
  if (!app) return 0;
  if (minutes == 0 && seconds == 0) {
    app->timedOff.Cancel(window);
  } else {
    if (RefusedByPolicy(window) || !app->timedOff.Start(window, TimedOffSeconds(minutes, seconds))) return 0;
    SetSaverActive(0);
  }
  app->RefreshSaverState();
  return 1;
}

// The end of a timed off turns the saver on exactly as a click would.
void OnTimedOffCheck(HWND window) {
  if (UserXface* app = Existing())
    if (app->timedOff.Due(window)) SendMessageA(window, WM_NAPKEY_TOGGLE_SAVER, kEnableSaver, 0);
}

void OnSaverProperties(HWND window) {
  ModalBracket bracket;
  SetHelpContext(kHelpSaverProperties);
  RunSaverPropertiesDialog(window);
  // Cancel after Apply keeps what Apply stored, and a change without a chosen
  // saver broadcasts nothing: whatever the answer, show the system's state.
  if (UserXface* app = Existing()) app->RefreshSaverState();
}

void OnFastExit(HWND window, WPARAM alwaysAsk) {
  UserXface* app = Existing();
  if (!app) return;
  int action = (alwaysAsk == 0 && app->options) ? app->options->FastExit.FastExitOpt : kFastExitAsk;
  if (action == kFastExitAsk) {
    SetHelpContext(kHelpFastExitChoice);
    ModalBracket bracket;
    action = ClampBelow(static_cast<int32_t>(RunFastExitDialog(window)), kFastExitActionCount, kFastExitAsk);
    // Closed meanwhile (napkey logoff, another program's WM_CLOSE): the
    // settings were saved as the window went, with the saver's state before
    // it was given back; saving again would record that state wrongly.
    if (!IsWindow(window)) return;
  }
  // Whatever happens next, the settings must be on disk before Windows ends.
  app->SaveSettings();
  DoFastExit(action, window);
}

void OnPopupMenu(HWND window) {
  HideTooltip();
  const OwnedMenu menu(LoadMenuA(g_instance, kMainWindowClass));
  if (!menu.Ok()) return;
  HMENU popup = GetSubMenu(menu.Get(), 0);
  UserXface* app = Existing();
  if (popup && app && app->options && app->options->ButtonBar.Show) {
    ModifyMenuA(popup, IDM_SHOW_BAR, MF_BYCOMMAND | MF_STRING, IDM_SHOW_BAR, "Hide Button Bar");
    if (!BarMayBeHidden(*app->options, GetPlatformLevel())) EnableMenuItem(popup, IDM_SHOW_BAR, MF_BYCOMMAND | MF_GRAYED | MF_DISABLED);
  }
  if (popup) {
    POINT cursor;
    GetCursorPos(&cursor);
    SetForegroundWindow(window);
    TrackPopupMenu(popup, 0, cursor.x, cursor.y, 0, window, nullptr);
  }
  // Lets the menu close properly when the user clicks elsewhere.
  PostMessageA(window, WM_NULL, 0, 0);
}

void OnTaskbarCreated() {
  UserXface* app = Existing();
  if (!app || !app->options) return;
  app->icons.Forget();
  app->RefreshSaverState();
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  UserXface* app = nullptr;
  switch (message) {
    case WM_CREATE:
      SetWindowTextA(window, kProgramCaption);
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case WM_PAINT:
      OnPaint(window);
      return 0;
    case WM_QUERYENDSESSION:
      if ((app = Existing())) app->SaveSettings();
      return 1;
    case WM_DISPLAYCHANGE:
      // A smaller screen must not leave the bar where it no longer shows.
      if ((app = Existing()) && app->options) app->bar.FollowMonitor(app->options->Position);
      OnSettingChange();
      return 0;
    case WM_WININICHANGE:
      // The taskbar moved or grew: the bar's monitor has another work area.
      if (wParam == SPI_SETWORKAREA && (app = Existing()) && app->options) app->bar.FollowMonitor(app->options->Position);
      OnSettingChange();
      return 0;
    case WM_DRAWITEM:
      if ((app = Existing())) app->bar.OnDrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return 0;
    case WM_COMMAND:
      OnWmCommand(window, wParam, lParam);
      return 0;
    case WM_SYSCOMMAND:
      return OnSysCommand(window, wParam, lParam);
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
      OnMouseMove(window);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
      OnLeftButtonDown(window);
      return 0;
    case WM_LBUTTONUP:
    case WM_NCLBUTTONUP:
      OnLeftButtonUp();
      return 0;
    case WM_LBUTTONDBLCLK:
      HideTooltip();
      SendMessageA(window, WM_COMMAND, IDM_CUSTOMIZE, 0);
      return 0;
    case WM_RBUTTONUP:
    case WM_NCRBUTTONUP:
      HideTooltip();
      SendMessageA(window, WM_NAPKEY_POPUP_MENU, 0, 0);
      return 0;
    case WM_HOTKEY:
      if ((app = Existing())) app->OnHotKey(window, wParam);
      return 0;
    case WM_NAPKEY_APPLY_OPTIONS:
      // Before start-up completes there is nothing to apply the record to.
      if ((app = Existing())) app->ApplyOptions(reinterpret_cast<const Options*>(lParam));
      return 0;
    case WM_NAPKEY_SAVER_ICON:
      if ((app = Existing()) && app->options) app->icons.OnSaverIconNotify(window, wParam, lParam, *app->options);
      return 0;
    case WM_NAPKEY_APPBAR:
      if ((app = Existing()) && app->options) app->bar.OnAppBarNotify(*app->options, wParam, lParam);
      return 0;
    case WM_NAPKEY_TOGGLE_SAVER:
      OnToggleSaver(window, wParam);
      return 0;
    case WM_NAPKEY_TIMED_OFF:
      return OnTimedOff(window, wParam, lParam);
    case WM_TIMER:
      if (wParam == kTimedOffTimerId) OnTimedOffCheck(window);
      return 0;
    case WM_TIMECHANGE:
      OnTimedOffCheck(window);
      return 0;
    case WM_POWERBROADCAST:
      if (wParam == PBT_APMRESUMESUSPEND || wParam == PBT_APMRESUMEAUTOMATIC) OnTimedOffCheck(window);
      return TRUE;
    case WM_NAPKEY_START_SAVER:
      LaunchSaver(window, nullptr, LaunchRun);
      return 0;
    case WM_NAPKEY_SAVER_PROPERTIES:
      OnSaverProperties(window);
      return 0;
    case WM_NAPKEY_FAST_EXIT:
      OnFastExit(window, wParam);
      return DefWindowProcA(window, message, wParam, lParam);
    case WM_NAPKEY_POPUP_MENU:
      OnPopupMenu(window);
      return 0;
    case WM_NAPKEY_FAST_EXIT_ICON:
      if ((app = Existing()) && app->options)
        app->icons.OnFastExitIconNotify(window, wParam, lParam, *app->options);
      return 0;
    case WM_NAPKEY_SAVER_CHANGED:
      if ((app = Existing())) app->RefreshSaverState();
      return 0;
    default:
      // The shell's taskbar was re-created (Explorer restarted): the icons
      // went with it, and a program whose bar may be hidden must stay reachable.
      if (message == TaskbarCreatedMessage() && message != 0) {
        OnTaskbarCreated();
        return 0;
      }
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

void UserXface::OnCommand(HWND window, WPARAM wParam, LPARAM) {
  static const struct { WORD id; WPARAM minutes; } kOffFor[] = {
      {IDM_OFF_15, 15}, {IDM_OFF_30, 30}, {IDM_OFF_60, 60}, {IDM_OFF_120, 120}, {IDM_OFF_240, 240}};
  for (const auto& item : kOffFor)
    if (LOWORD(wParam) == item.id) {
      SendMessageA(window, WM_NAPKEY_TIMED_OFF, item.minutes, 0);
      return;
    }
  switch (LOWORD(wParam)) {
    case IDC_BAR_TOGGLE: SendMessageA(window, WM_NAPKEY_TOGGLE_SAVER, 0, 0); break;
    case IDC_BAR_PROPERTIES: SendMessageA(window, WM_NAPKEY_SAVER_PROPERTIES, 0, 0); break;
    case IDC_BAR_START: SendMessageA(window, WM_NAPKEY_START_SAVER, 0, 0); break;
    case IDC_BAR_FAST_EXIT: SendMessageA(window, WM_NAPKEY_FAST_EXIT, 0, 0); break;
    case IDM_ABOUT: {
      ModalBracket bracket;
      DialogBoxParamA(g_instance, MAKEINTRESOURCEA(IDD_ABOUT), window, AboutDlgProc, 0);
      break;
    }
    case IDM_EXIT: PostMessageA(window, WM_CLOSE, 0, 0); break;
    case IDM_HELP: ShowHelpTopic(kHelpGeneral); break;
    case IDM_RUN_SAVER: SendMessageA(window, WM_NAPKEY_START_SAVER, 0, 0); break;
    case IDM_SAVER_PROPERTIES: SendMessageA(window, WM_NAPKEY_SAVER_PROPERTIES, 0, 0); break;
    case IDM_TOGGLE_ON_TOP:
      if (options) {
        options->ButtonBar.OnTop = options->ButtonBar.OnTop ? 0 : 1;
        bar.KeepOnTopAsSet(*options);
      }
      break;
    case IDM_WINDOWS_EXIT: SendMessageA(window, WM_NAPKEY_FAST_EXIT, 1, 0); break;
    case IDM_QUICK_HELP: {
      ModalBracket bracket;
      if (DialogBoxParamA(g_instance, MAKEINTRESOURCEA(IDD_QUICK_HELP), window, WelcomeDlgProc, 0) == IDOK)
        ShowHelpTopic(kHelpGeneral);
      break;
    }
    case IDM_CUSTOMIZE:
      if (options) {
        ModalBracket bracket;
        const Options before = *options;
        if (!RunCustomizeSheet(window, options.get(), &customizePage)) ApplyOptions(&before);
        // Some systems (Wine) make no window topmost while a dialog it owns
        // is open, so an "On Top" applied from the sheet would not hold.
        bar.KeepOnTopAsSet(*options);
      }
      break;
    case IDM_SHOW_BAR:
      if (options) {
        options->ButtonBar.Show = options->ButtonBar.Show ? 0 : 1;
        LayoutBar();
      }
      break;
    default: break;
  }
}
