// Access to the settings file, passed in so that the option logic runs and is
// tested without Windows. The program's implementation uses the private
// profile functions on "napkey.ini"; tests use an in-memory file.
#ifndef NAPKEY_SETTINGS_PROFILE_H
#define NAPKEY_SETTINGS_PROFILE_H

struct ProfileIo {
  // GetPrivateProfileInt semantics: the default when the key is missing.
  int (*readInt)(void* ctx, const char* section, const char* key, int fallback);
  // Non-zero when the key is present with a non-empty value.
  int (*hasKey)(void* ctx, const char* section, const char* key);
  void (*writeText)(void* ctx, const char* section, const char* key, const char* text);
  void* ctx;
};

// The settings file and the program's main section.
extern const char kIniFileName[];     // "napkey.ini"
extern const char kMainSectionName[]; // "Drowsel"

// Writes a value as the program always does: decimal "%d".
void WriteProfileNumber(const ProfileIo& io, const char* section, const char* key, long value);

#endif
