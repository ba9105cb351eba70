#include "app/cmdline.h"

const char kCommandLineHelpText[] =
    "Command Line Options:\n\n"
    "napkey.exe           --> normal interface\n"
    "napkey.exe off       --> disables screen saver\n"
    "napkey.exe on        --> enables screen saver\n"
    "napkey.exe now       --> starts screen saver\n"
    "napkey.exe logoff    --> logs user off\n"
    "napkey.exe restart   --> restarts Windows 95\n"
    "napkey.exe reboot    --> reboots computer\n"
    "napkey.exe shutdown  --> shuts down computer\n"
    "napkey.exe dos       --> exit to MS-DOS mode\n";
