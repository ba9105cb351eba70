// Access to the settings file, passed in so that the option logic runs and is
// tested without Windows. The program's implementation uses the private
// profile functions on "napkey.ini"; tests use an in-memory file.
#ifndef NAPKEY_SETTINGS_PROFILE_H
#define NAPKEY_SETTINGS_PROFILE_H

#include <cstdint>
#include <initializer_list>

struct ProfileIo {
  // GetPrivateProfileSection semantics: "key=value\0key=value\0\0", the length
  // without the last zero, and size - 2 when the section may not have fitted.
  unsigned long (*readSection)(void* ctx, const char* section, char* buffer, unsigned long size);
  void (*writeText)(void* ctx, const char* section, const char* key, const char* text);
  void* ctx;
};

// The settings file and the program's main section.
extern const char kIniFileName[];     // "napkey.ini"
extern const char kMainSectionName[]; // "Drowsel"

// Writes a value as the program always does: decimal "%d".
void WriteProfileNumber(const ProfileIo& io, const char* section, const char* key, long value);

// A section read at once, not a file read per key; its keys answer as GetPrivateProfileInt/String would.
class ProfileSection {
 public:
  ProfileSection(const ProfileIo& io, const char* section);
  ~ProfileSection() { delete[] text; }
  ProfileSection(const ProfileSection&) = delete;
  ProfileSection& operator=(const ProfileSection&) = delete;

  // The fallback when the key is missing or empty.
  int Int(const char* key, int fallback) const;
  // Present and not empty: no fallback shows through.
  bool Has(const char* key) const { return Int(key, 0) == Int(key, 1); }

 private:
  char* text = nullptr;
  unsigned long length = 0;
};

// The value when 0 <= value < n, the fallback otherwise.
inline int ClampBelow(int value, int n, int fallback) { return value >= 0 && value < n ? value : fallback; }

// A section's keys in the order they are written.
template <class Record, class Field = int32_t>
struct ProfileTable {
  // The value a key loads as when missing or empty, and how many values from 0 up it may hold (0: any; others load
  // as the fallback). A 16-bit field keeps the low 16 bits, all a hot-key code has.
  struct Key {
    const char* name;
    Field Record::*field;
    int32_t fallback;
    int32_t count = 0;
  };
  const char* section;
  std::initializer_list<Key> keys;

  void Load(const ProfileSection& stored, Record* record) const {
    for (const auto& key : keys) {
      const int32_t value = stored.Int(key.name, key.fallback);
      record->*key.field = static_cast<Field>(key.count ? ClampBelow(value, key.count, key.fallback) : value);
    }
  }
  void Load(const ProfileIo& io, Record* record) const { Load(ProfileSection(io, section), record); }
  void Save(const ProfileIo& io, const Record& record) const {
    for (const auto& key : keys) WriteProfileNumber(io, section, key.name, record.*key.field);
  }
};

#endif
