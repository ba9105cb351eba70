#include "settings/options_win.h"

#include <windows.h>

namespace {

unsigned long ReadSection(void*, const char* section, char* buffer, unsigned long size) {
  return GetPrivateProfileSectionA(section, buffer, size, kIniFileName);
}

void WriteText(void*, const char* section, const char* key, const char* text) {
  WritePrivateProfileStringA(section, key, text, kIniFileName);
}

const ProfileIo kNapkeyIni = {ReadSection, WriteText, nullptr};

}  // namespace

const ProfileIo& NapkeyIni() { return kNapkeyIni; }
