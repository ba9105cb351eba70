#include "app/userxface.h"
#include "base/shelllib_win.h"

#include <commctrl.h>
#include <shellapi.h>

#include "base/errortext.h"
#include "app/instance_win.h"
#include "base/messages.h"
#include "base/platform_win.h"
#include "base/report_win.h"
#include "app/startup.h"
#include "buttonbar/input_win.h"
#include "res/resource.h"
#include "saver/saverstate_win.h"
#include "settings/options_win.h"
#include "tray/icons_win.h"

namespace {

UserXface* g_userXface = nullptr;
StartupState* g_startupState = nullptr;
bool g_initialising = false;

HWND CreateBarButton(HWND parent, int id, const char* text) {
  return CreateWindowExA(0, "button", text, WS_CHILD | BS_OWNERDRAW, 0, 0, 0, 0, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), g_instance, nullptr);
}

void Subclass(HWND button) {
  if (!button) return;
  const LONG_PTR previous =
      SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&BarButtonProc));
  if (!originalButtonProc) originalButtonProc = reinterpret_cast<WNDPROC>(previous);
}

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
      if (g_startupState->DisableOnStart) SetSaverActive(0);

      Options loaded(GetPlatformLevel());
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

  fastExitButton = CreateBarButton(g_mainWindow, IDC_BAR_FAST_EXIT, "");
  propertiesButton = CreateBarButton(g_mainWindow, IDC_BAR_PROPERTIES, "Screen saver properties");
  toggleButton = CreateBarButton(g_mainWindow, IDC_BAR_TOGGLE, "");
  startButton = CreateBarButton(g_mainWindow, IDC_BAR_START, "Start screen saver");
  Subclass(fastExitButton);
  Subclass(propertiesButton);
  Subclass(toggleButton);
  Subclass(startButton);

  toggleFace.Load(kButtonToggle, 0);
  startFace.Load(kButtonStart, 0);
  fastExitFace.Load(kButtonFastExit, 0);
  propertiesFace.Load(kButtonProperties, 0);

  if (GetPlatformLevel() >= 4) {
    APPBARDATA data;
    ZeroMemory(&data, sizeof data);
    data.cbSize = sizeof data;
    data.hWnd = g_mainWindow;
    data.uCallbackMessage = WM_NAPKEY_APPBAR;
    appBarRegistered = AppBarMessage(ABM_NEW, &data) ? TRUE : FALSE;
  }
  QueryFreeArea();
}

// The main window is already destroyed here; this only lets go of what the
// object registered and owns. The faces are members and go last, in reverse
// order of declaration.
UserXface::~UserXface() {
  if (appBarRegistered) {
    APPBARDATA data;
    ZeroMemory(&data, sizeof data);
    data.cbSize = sizeof data;
    data.hWnd = g_mainWindow;
    AppBarMessage(ABM_REMOVE, &data);
    appBarRegistered = FALSE;
  }
  RemoveTaskbarIcon(kSaverIconId);
  RemoveTaskbarIcon(kFastExitIconId);
  delete options;
  options = nullptr;
}

void UserXface::ApplyOptions(const Options* record) {
  if (!record || IsBadReadPtr(record, sizeof(Options))) {
    ReportError(g_mainWindow, ReportPrefix | ReportSupport, MB_ICONHAND, "Invalid options applied -- bad pointer.",
                nullptr, 0);
    return;
  }
  if (!options) options = new Options(GetPlatformLevel());
  if (record != options) *options = *record;
  ApplyAll();
}

void UserXface::ApplyAll() {
  UpdateTaskbarIcons();
  LayoutBar();
  RegisterHotKeys();
}

void UserXface::SaveSettings() {
  if (g_startupState) {
    g_startupState->DisableOnStart = CurrentSaverState().active == 0 ? 1 : 0;
    g_startupState->Save(NapkeyIni());
  }
  if (options) options->Save(NapkeyIni());
}

void UserXface::SetAllowFlags(BOOL allowed) {
  iconClicksAllowed = allowed;
  hotKeysAllowed = allowed;
}
