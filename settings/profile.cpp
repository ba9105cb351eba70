#include "settings/profile.h"

#include <cstdio>

const char kIniFileName[] = "napkey.ini";
const char kMainSectionName[] = "Drowsel";

void WriteProfileNumber(const ProfileIo& io, const char* section, const char* key, long value) {
  char text[16];
  std::snprintf(text, sizeof text, "%ld", value);
  io.writeText(io.ctx, section ? section : kMainSectionName, key, text);
}
