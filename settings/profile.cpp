#include "settings/profile.h"

#include "base/textbuf.h"

const char kIniFileName[] = "napkey.ini";
const char kMainSectionName[] = "Drowsel";

void WriteProfileNumber(const ProfileIo& io, const char* section, const char* key, long value) {
  char text[16];
  TextBuilder(text, sizeof text).AppendNumber(value);
  io.writeText(io.ctx, section ? section : kMainSectionName, key, text);
}
