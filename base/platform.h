// What the program asks of the Windows it runs on, decided from the major
// version alone, so that the option logic decides it without Windows too.
#ifndef NAPKEY_BASE_PLATFORM_H
#define NAPKEY_BASE_PLATFORM_H

// Windows 95 and NT 4.0 brought the shell with a taskbar and its notification area.
constexpr int kNewShellLevel = 4;
constexpr bool HasNewShell(int platformLevel) { return platformLevel >= kNewShellLevel; }

// Windows 98 and Windows 2000 brought the request that keeps the display on
// and the functions that tell monitors apart; Windows 95 and NT 4.0 go on
// without them, whatever a compatibility layer exports.
constexpr bool IsWindows98Or2000(bool nt, int major, int minor) {
  return nt ? major >= 5 : major > 4 || (major == 4 && minor >= 10);
}

#endif
