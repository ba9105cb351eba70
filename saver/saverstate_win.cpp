#include "saver/saverstate_win.h"

#include <memory>

#include "saver/watchdog.h"

#include "base/errortext.h"
#include "base/platform_win.h"
#include "base/process_win.h"
#include "saver/desktopkey_win.h"

namespace {

SaverState g_saver;
UINT_PTR g_watchdogTimer = 0;
std::unique_ptr<DesktopKey> g_desktopKey;  // from first use to ShutdownSaverState

DesktopKey* Desktop() {
  if (!g_desktopKey) g_desktopKey.reset(new DesktopKey(OpenReadWrite));
  return g_desktopKey.get();
}

const char kBootSection[] = "boot";
const char kSaverKey[] = "SCRNSAVE.EXE";
const char kSystemIni[] = "system.ini";

}  // namespace

bool SystemSaverActive() {
  BOOL active = FALSE;
  SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
  return active != FALSE;
}

const SaverState& CurrentSaverState() { return g_saver; }

long GetSaverPassword() {
  long flag = 0;
  DesktopKey* key = Desktop();
  if (!key || !key->GetPasswordFlag(&flag)) return 0;
  return flag;
}

void SetSaverPassword(long flag) {
  if (DesktopKey* key = Desktop()) key->SetPasswordFlag(flag);
}

// Run-time change only: the stored setting stays as it was, so the saver
// comes back on its own when Windows restarts.
void SetSaverActive(UINT flag) {
  g_saver.active = flag;
  SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, flag, nullptr, 0);
  ArmSaverWatchdog(flag == 0);
}

void SetSaverTimeout(UINT seconds) {
  g_saver.timeoutSeconds = seconds;
  SystemParametersInfoA(SPI_SETSCREENSAVETIMEOUT, seconds, nullptr, SPIF_UPDATEINIFILE);
}

void SetSaverActiveAndTimeout(UINT flag, UINT seconds) {
  SetSaverActive(flag);
  SetSaverTimeout(seconds);
}

void SelectSaver(const char* path) {
  if (!path || !*path) {
    g_saver.saverPath[0] = '\0';
    return;
  }
  if (path != g_saver.saverPath) lstrcpynA(g_saver.saverPath, path, MAX_PATH);
  if (GetPlatformKind() == PlatformWin95) {
    char shortPath[MAX_PATH];
    const DWORD length = GetShortPathNameA(g_saver.saverPath, shortPath, MAX_PATH);
    if (length > 0 && length < MAX_PATH) lstrcpynA(g_saver.saverPath, shortPath, MAX_PATH);
  }
  WritePrivateProfileStringA(kBootSection, kSaverKey, g_saver.saverPath, kSystemIni);
  // Stores the flag in the profile and tells everybody; our own window's
  // SyncSaverState then disables it again at run time if we hold it off.
  SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, 1, nullptr, SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE);
}

SelectedSaverResult ReadSelectedSaver(char* buffer, DWORD size) {
  // The selection is read with the saver switched on, as the new shell
  // presents it only then; the flag is put back afterwards.
  const bool flipped = HasNewShell() && g_saver.active == 0;
  if (flipped) SetSaverActive(1);

  SelectedSaverResult result;
  GetPrivateProfileStringA(kBootSection, kSaverKey, "", buffer, size, kSystemIni);
  if (size == 0 || buffer[0] == '\0') {
    result = NotSet;
  } else if (lstrcmpiA(buffer, "(None)") == 0) {
    result = NoneSelected;
  } else {
    result = Selected;
    bool hasBackslash = false;
    for (const char* c = buffer; *c; ++c)
      if (*c == '\\') hasBackslash = true;
    if (!hasBackslash) {
      char fullPath[MAX_PATH];
      const DWORD length = SearchPathA(nullptr, buffer, nullptr, MAX_PATH, fullPath, nullptr);
      if (length > 0 && length < MAX_PATH) lstrcpynA(buffer, fullPath, static_cast<int>(size));
    }
  }

  if (flipped) SetSaverActive(0);
  return result;
}

void SyncSaverState(bool adoptSystemFlag) {
  ArmSaverWatchdog(false);
  const UINT systemFlag = SystemSaverActive() ? 1 : 0;
  UINT timeout = 0;
  SystemParametersInfoA(SPI_GETSCREENSAVETIMEOUT, 0, &timeout, 0);
  g_saver.timeoutSeconds = timeout;

  char selected[MAX_PATH];
  const SelectedSaverResult result = ReadSelectedSaver(selected, MAX_PATH);

  if (adoptSystemFlag) {
    if (result == Selected)
      lstrcpynA(g_saver.saverPath, selected, MAX_PATH);
    else
      g_saver.saverPath[0] = '\0';
    SetSaverActive(systemFlag);
    return;
  }

  if (result == Selected) {
    lstrcpynA(g_saver.saverPath, selected, MAX_PATH);
    if (systemFlag && g_saver.active == 0) SetSaverActive(0);
    return;
  }

  // Somebody selected "(None)" or cleared the saver.
  int answer = IDYES;
  if (g_saver.saverPath[0] != '\0' && g_saver.active == 0) {
    answer = MessageBoxA(g_mainWindow, "Are you sure you want to select \"(None)\" as your screen saver?",
                         kProgramCaption, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2 | MB_SETFOREGROUND);
  }
  if (answer == IDYES) {
    g_saver.saverPath[0] = '\0';
    SetSaverActive(systemFlag);
  } else {
    SelectSaver(g_saver.saverPath);
    SetSaverActive(g_saver.active);
  }
}

void ShutdownSaverState() {
  if (g_saver.saverPath[0] != '\0') SetSaverActive(1);
  ArmSaverWatchdog(false);
  g_desktopKey.reset();
}

void ArmSaverWatchdog(bool arm) {
  if (g_watchdogTimer) {
    KillTimer(nullptr, g_watchdogTimer);
    g_watchdogTimer = 0;
  }
  if (arm && g_saver.saverPath[0] != '\0')
    g_watchdogTimer = SetTimer(nullptr, 0, WatchdogInterval(g_saver.timeoutSeconds), SaverWatchdogTick);
}

void CALLBACK SaverWatchdogTick(HWND, UINT, UINT_PTR, DWORD) {
  ArmSaverWatchdog(false);
  if (SystemSaverActive() && g_saver.active == 0)
    SetSaverActive(0);
  else
    ArmSaverWatchdog(true);
}
