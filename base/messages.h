// The program's own window messages, and the class by which its main window
// is found. Every surface (bar, icons, hot keys, command line of a second
// instance, Customize sheet) turns input into one of these, sent to the main
// window.
#ifndef NAPKEY_BASE_MESSAGES_H
#define NAPKEY_BASE_MESSAGES_H

// Also the name the icon and the popup menu are loaded by: the resources are
// stored as IDR_NAPKEY_NAME (NAPKEY), and resource names match regardless of case.
constexpr char kMainWindowClass[] = "Napkey";

constexpr unsigned kWmApp = 0x8000;  // WM_APP, without needing <windows.h>

constexpr unsigned WM_NAPKEY_APPLY_OPTIONS = kWmApp + 10;
constexpr unsigned WM_NAPKEY_SAVER_ICON = kWmApp + 11;
constexpr unsigned WM_NAPKEY_APPBAR = kWmApp + 12;
constexpr unsigned WM_NAPKEY_TOGGLE_SAVER = kWmApp + 13;
// wParam of WM_NAPKEY_TOGGLE_SAVER: the state wanted, so that a caller reaches
// it whatever the instance last knew; 0 (older callers, the button) toggles.
enum SaverToggleRequest : unsigned { kToggleSaver = 0, kEnableSaver = 1, kDisableSaver = 2 };
constexpr unsigned WM_NAPKEY_START_SAVER = kWmApp + 14;
constexpr unsigned WM_NAPKEY_SAVER_PROPERTIES = kWmApp + 15;
constexpr unsigned WM_NAPKEY_FAST_EXIT = kWmApp + 16;
constexpr unsigned WM_NAPKEY_POPUP_MENU = kWmApp + 17;
constexpr unsigned WM_NAPKEY_FAST_EXIT_ICON = kWmApp + 18;
// The saver's settings were changed from one of the program's dialogs: the
// bar and the icons show the new state.
constexpr unsigned WM_NAPKEY_SAVER_CHANGED = kWmApp + 19;
// Holds the saver off for wParam minutes and lParam seconds (up to a day) and
// then turns it on; returns 1 when it runs. Any toggle ends it; so does this
// message for no time at all, which leaves the saver off until turned on.
constexpr unsigned WM_NAPKEY_TIMED_OFF = kWmApp + 20;

#endif
