// The program's record of the system's screen saver, and the only code that
// changes the system's screen-saver settings.
#ifndef NAPKEY_SAVER_SAVERSTATE_WIN_H
#define NAPKEY_SAVER_SAVERSTATE_WIN_H

#include <windows.h>

struct SaverState {
  UINT active = 0;             // enabled, as far as the program is concerned
  char saverPath[MAX_PATH] = {};  // selected saver; empty when none
  UINT timeoutSeconds = 0;
};

// Read by the user interface; written only by the operations below.
const SaverState& CurrentSaverState();
// The system's flag, as this process sees it.
bool SystemSaverActive();

enum SelectedSaverResult { Selected = 0, NoneSelected = 1, NotSet = 2 };

// The password-protection flag; 0 when it cannot be read.
long GetSaverPassword();
// Silently does nothing when the key can only be read.
void SetSaverPassword(long flag);

void SetSaverActive(UINT flag);
void SetSaverTimeout(UINT seconds);
void SetSaverActiveAndTimeout(UINT flag, UINT seconds);
void SelectSaver(const char* path);
SelectedSaverResult ReadSelectedSaver(char* buffer, DWORD size);
void SyncSaverState(bool adoptSystemFlag);
void ShutdownSaverState();

// The watchdog that keeps a disabled saver disabled against other programs.
void ArmSaverWatchdog(bool arm);
void CALLBACK SaverWatchdogTick(HWND window, UINT message, UINT_PTR id, DWORD time);

#endif
