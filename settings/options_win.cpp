#include "settings/options_win.h"

#include <windows.h>

namespace {

int ReadInt(void*, const char* section, const char* key, int fallback) {
  return static_cast<int>(GetPrivateProfileIntA(section, key, fallback, kIniFileName));
}

int HasKey(void*, const char* section, const char* key) {
  char value[8];
  return GetPrivateProfileStringA(section, key, "", value, sizeof value, kIniFileName) > 0;
}

void WriteText(void*, const char* section, const char* key, const char* text) {
  WritePrivateProfileStringA(section, key, text, kIniFileName);
}

const ProfileIo kNapkeyIni = {ReadInt, HasKey, WriteText, nullptr};

}  // namespace

const ProfileIo& NapkeyIni() { return kNapkeyIni; }
