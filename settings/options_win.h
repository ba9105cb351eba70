// napkey.ini through the private profile functions. The file is always named
// without a directory, so it lives in the Windows directory.
#ifndef NAPKEY_SETTINGS_OPTIONS_WIN_H
#define NAPKEY_SETTINGS_OPTIONS_WIN_H

#include "settings/options.h"
#include "settings/profile.h"

const ProfileIo& NapkeyIni();

#endif
