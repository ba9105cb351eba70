// What the program asks of the Windows it runs on, decided from the major
// version alone, so that the option logic decides it without Windows too.
#ifndef NAPKEY_BASE_PLATFORM_H
#define NAPKEY_BASE_PLATFORM_H

// Windows 95 and NT 4.0 brought the shell with a taskbar and its notification area.
constexpr int kNewShellLevel = 4;
constexpr bool HasNewShell(int platformLevel) { return platformLevel >= kNewShellLevel; }

#endif
