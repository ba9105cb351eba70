// Resource, control and command ids of napkey.exe. Shared by the .rc script
// and the C++ code, so it holds #defines only.
#ifndef NAPKEY_RES_RESOURCE_H
#define NAPKEY_RES_RESOURCE_H

// The program's icon and the popup menu are named, not numbered; the code
// loads them by the main window class name, as names match regardless of
// case. A bare word, not a string: windres joins a string name to a string
// that ends the statement before it.
#define IDR_NAPKEY_NAME NAPKEY
#define IDI_SAVER_ENABLED 50
#define IDI_SAVER_DISABLED 51
#define IDI_FAST_EXIT 52

// Button faces: picture above its mask, in three sizes (small, medium, large).
#define IDB_START_SMALL 101
#define IDB_START_MEDIUM 102
#define IDB_START_LARGE 103
#define IDB_TOGGLE_SMALL 104
#define IDB_TOGGLE_MEDIUM 105
#define IDB_TOGGLE_LARGE 106
#define IDB_PROPERTIES_SMALL 107
#define IDB_PROPERTIES_MEDIUM 108
#define IDB_PROPERTIES_LARGE 109
#define IDB_FAST_EXIT_SMALL 110
#define IDB_FAST_EXIT_MEDIUM 111
#define IDB_FAST_EXIT_LARGE 112

// Main window buttons (also their command ids).
#define IDC_BAR_TOGGLE 1001
#define IDC_BAR_PROPERTIES 1002
#define IDC_BAR_START 1003
#define IDC_BAR_FAST_EXIT 1004

// Popup menu "MyMenu".
#define IDM_ABOUT 40001
#define IDM_EXIT 40003
#define IDM_HELP 40004
#define IDM_RUN_SAVER 40006
#define IDM_SAVER_PROPERTIES 40007
#define IDM_TOGGLE_ON_TOP 40009
#define IDM_WINDOWS_EXIT 40010
#define IDM_QUICK_HELP 40011
#define IDM_CUSTOMIZE 40012
#define IDM_SHOW_BAR 40013
#define IDM_OFF_15 40014
#define IDM_OFF_30 40015
#define IDM_OFF_60 40016
#define IDM_OFF_120 40017
#define IDM_OFF_240 40018

// About box.
#define IDD_ABOUT 2010
#define IDC_ABOUT_TITLE 1023
#define IDC_ABOUT_VERSION 1032
#define IDC_ABOUT_PLATFORM 1033

// Fast Exit choice dialog.
#define IDD_FAST_EXIT 2015
#define IDC_FAST_EXIT_SHUTDOWN 1501
#define IDC_FAST_EXIT_REBOOT 1502
#define IDC_FAST_EXIT_LOGOFF 1503
#define IDC_FAST_EXIT_RESTART95 1504
#define IDC_FAST_EXIT_DOS 1505
#define IDC_FAST_EXIT_HELP 1015

// Screen Saver Properties dialog.
#define IDD_SAVER_PROPERTIES 2017
#define IDC_PROPS_LIST 1001
#define IDC_PROPS_PREVIEW 1002
#define IDC_PROPS_SETTINGS 1003
#define IDC_PROPS_DELAY_LABEL 1004
#define IDC_PROPS_DELAY 1012
#define IDC_PROPS_INFO 1013
#define IDC_PROPS_HELP 1015
#define IDC_PROPS_MINI_PREVIEW 1037
#define IDC_PROPS_CHANGE_PASSWORD 1038
#define IDC_PROPS_PASSWORD 1100
#define IDC_PROPS_NO_PREVIEW_PASSWORD 1101
#define IDC_PROPS_SECONDS 1102
#define IDC_PROPS_MINUTES 1103
#define IDC_PROPS_ENABLED 1104
#define IDC_PROPS_DELAY_SPIN 1105
#define IDC_PROPS_APPLY 1106
#define IDC_PROPS_POLICY_NOTE 1107
#define IDC_PROPS_16BIT_NOTE 1209

// Screen Saver Information dialog.
#define IDD_SAVER_INFO 2031
#define IDC_INFO_ICON 1010
#define IDC_INFO_PATH 1011
#define IDC_INFO_NAME 1014
#define IDC_INFO_HELP 1015
#define IDC_INFO_NO_ICON 1016
#define IDC_INFO_LIST 1025
#define IDC_INFO_VALUE 1026
#define IDC_INFO_FILE_VERSION 1027
#define IDC_INFO_PRODUCT_VERSION 1028
#define IDC_INFO_CHANGED 1029
#define IDC_INFO_FLAGS 1034
#define IDC_INFO_TYPE 1035

// Customize sheet: Taskbar Icons page.
#define IDD_PAGE_TASKBAR_ICONS 2019
#define IDC_TI_SHOW 1200
#define IDC_TI_SINGLE_FIRST 1201  // 1201..1204: no action, toggle, start, properties
#define IDC_TI_DOUBLE_FIRST 1205  // 1205..1208
#define IDC_TI_NOTE 1209
#define IDC_TI_FAST_EXIT_SHOW 1210
#define IDC_TI_EXIT_SINGLE 1211
#define IDC_TI_EXIT_DOUBLE 1212
#define IDC_TI_SAVER_ICON 1213
#define IDC_TI_FAST_EXIT_ICON 1214
#define IDC_TI_KEEP_DISPLAY 1215
#define IDC_TI_START_WITH_WINDOWS 1216

// Customize sheet: Fast Exit page (1500..1505: choices, shutdown, reboot,
// log off, restart Windows 95, exit to DOS).
#define IDD_PAGE_FAST_EXIT 2020
#define IDC_FE_FIRST 1500

// Customize sheet: Button Bar page.
#define IDD_PAGE_BUTTON_BAR 2021
#define IDC_BB_TOGGLE 1001
#define IDC_BB_PROPERTIES 1002
#define IDC_BB_START 1003
#define IDC_BB_FAST_EXIT 1004
#define IDC_BB_FACE_TOGGLE 1005
#define IDC_BB_FACE_FAST_EXIT 1006
#define IDC_BB_FACE_START 1007
#define IDC_BB_FACE_PROPERTIES 1008
#define IDC_BB_SHOW 1300
#define IDC_BB_ON_TOP 1301
#define IDC_BB_SMALL 1302
#define IDC_BB_MEDIUM 1303
#define IDC_BB_LARGE 1304
#define IDC_BB_FACE_SMALL 1305
#define IDC_BB_FACE_MEDIUM 1306
#define IDC_BB_FACE_LARGE 1307
#define IDC_BB_SPACE 1308
#define IDC_BB_SPACE_SPIN 1309
#define IDC_BB_BORDER 1310
#define IDC_BB_BORDER_SPIN 1311
#define IDC_BB_TOOLTIPS 1312

// Customize sheet: Hot Keys page (1400 + the key's index in the record).
#define IDD_PAGE_HOT_KEYS 2022
#define IDC_HK_FIRST 1400

// Quick Help (welcome) dialog.
#define IDD_QUICK_HELP 2032

#endif
