#include "app/userxface.h"

#include "app/instance_win.h"
#include "app/startup.h"
#include "base/errortext.h"
#include "base/messages.h"
#include "base/platform_win.h"
#include "base/report_win.h"
#include "base/shelllib_win.h"
#include "res/resource.h"
#include "saver/policy_win.h"
#include "saver/saverstate_win.h"
#include "settings/customize_win.h"
#include "settings/options_win.h"

namespace {

UserXface* g_userXface = nullptr;
StartupState* g_startupState = nullptr;
bool g_initialising = false;

}  // namespace

StartupState* CurrentStartupState() { return g_startupState; }

UserXface* UserXface::Access(int mode) {
  switch (mode) {
    case 0: {
      if (g_initialising) {
        ReportError(nullptr, ReportPrefix | ReportSupport, MB_ICONHAND,
                    "UserXface::Access re-entered during initialization", nullptr, 0);
        return nullptr;
      }
      if (g_userXface) return g_userXface;
      g_initialising = true;

      g_startupState = new StartupState;
      g_startupState->Load(NapkeyIni());
      if (g_startupState->firstStart) g_startupState->RecordStart(NapkeyIni());

      g_userXface = new UserXface;
      if (!g_mainWindow) {
        Access(2);
        g_initialising = false;
        return nullptr;
      }
      g_initialising = false;
      MainWindowReady();  // before anything that may open a box

      SyncSaverState(true);
      if (g_startupState->DisableOnStart && !ReadSaverPolicy().ForcesOn()) SetSaverActive(0);

      Options loaded;
      loaded.Load(NapkeyIni(), GetPlatformLevel());
      g_userXface->ApplyOptions(&loaded);

      // Sent, not posted: Quick Help runs its own loop before WinMain's.
      if (g_startupState->firstStart) SendMessageA(g_mainWindow, WM_COMMAND, IDM_QUICK_HELP, 0);
      if (g_startupState->StartSSOnStart) SendMessageA(g_mainWindow, WM_NAPKEY_START_SAVER, 0, 0);
      return g_userXface;
    }
    case 1:
      return g_initialising ? nullptr : g_userXface;
    case 2:
      delete g_userXface;
      g_userXface = nullptr;
      delete g_startupState;
      g_startupState = nullptr;
      return nullptr;
    default:
      return g_userXface;
  }
}

UserXface::UserXface() {
  if (g_mainWindow) {
    ReportError(nullptr, ReportPrefix | ReportSupport, MB_ICONHAND, "Interface initialized more than once.",
                nullptr, 0);
    return;
  }

  WNDCLASSA windowClass;
  ZeroMemory(&windowClass, sizeof windowClass);
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = MainWindowProc;
  windowClass.hInstance = g_instance;
  windowClass.hIcon = LoadIconA(g_instance, kMainWindowClass);
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<const char*>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  windowClass.lpszClassName = kMainWindowClass;
  if (!RegisterClassA(&windowClass)) {
    ReportError(nullptr, ReportPrefix | ReportSupport | ReportDiagnostics, MB_ICONHAND,
                "Unable to register main window class", "RegisterClass", 0);
    return;
  }

  LoadShellLibraries();

  g_mainWindow = CreateWindowExA(WS_EX_TOOLWINDOW, kMainWindowClass, kProgramCaption, WS_POPUP, 200, 100, 47, 45,
                                 nullptr, nullptr, g_instance, nullptr);
  if (!g_mainWindow) {
    ReportError(nullptr, ReportPrefix | ReportSupport | ReportDiagnostics, MB_ICONHAND,
                "Unable to create main window.", "CreateWindowEx", 0);
    return;
  }

  bar.Create(g_mainWindow, HasNewShell());
  customizePage = FirstCustomizePage(GetPlatformLevel());
}

// The main window is already destroyed here; the bar and the icons, members,
// let go of what they registered with the shell as they go.
UserXface::~UserXface() = default;

void UserXface::ApplyOptions(const Options* record) {
  if (!record || IsBadReadPtr(record, sizeof(Options))) {
    ReportError(g_mainWindow, ReportPrefix | ReportSupport, MB_ICONHAND, "Invalid options applied -- bad pointer.",
                nullptr, 0);
    return;
  }
  if (!options) options.reset(new Options);
  if (record != options.get()) *options = *record;
  ApplyAll();
}

void UserXface::ApplyAll() {
  if (!options) return;
  bar.Layout(*options);
  RefreshSaverState();  // the icons and the toggle's text
  hotKeys.Register(g_mainWindow, options->HotKeys);
}

void UserXface::LayoutBar() {
  if (options) bar.Layout(*options);
}

// The icons first: the shell may take its time, and a toggle sent meanwhile
// is handled inside that call, so the button shows the state after it.
// A saver turned on by any means (the Properties dialog too) ends a timed off.
void UserXface::RefreshSaverState() {
  if (CurrentSaverState().active) timedOff.Cancel(g_mainWindow);
  if (options)
    icons.Update(g_mainWindow, *options, CurrentSaverState().active != 0, timedOff.Until(), ReadSaverPolicy().ForcesOn());
  const bool active = CurrentSaverState().active != 0;
  bar.ShowSaverState(active, timedOff.Until());
  display.Set(!active && options && options->TaskbarIcon.KeepDisplayOn);
}

void UserXface::OnHotKey(HWND window, WPARAM id) {
  if (!hotKeys.Press(window, id)) return;
  if (options && !options->ButtonBar.Show) {
    options->ButtonBar.Show = 1;
    LayoutBar();
  }
  SetForegroundWindow(window);
}

void UserXface::SaveSettings() {
  if (g_startupState) {
    g_startupState->DisableOnStart = CurrentSaverState().active == 0 ? 1 : 0;
    g_startupState->Save(NapkeyIni());
  }
  if (options) options->Save(NapkeyIni());
}

void UserXface::SetAllowFlags(BOOL allowed) {
  icons.clicksAllowed = allowed != FALSE;
  hotKeys.allowed = allowed != FALSE;
}
