// An in-memory settings file that also records the order of the writes.
#ifndef NAPKEY_TESTS_UNIT_FAKE_PROFILE_H
#define NAPKEY_TESTS_UNIT_FAKE_PROFILE_H

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "settings/profile.h"

class FakeProfile {
 public:
  FakeProfile();
  void Set(const std::string& section, const std::string& key, const std::string& value);
  bool Has(const std::string& section, const std::string& key) const;
  std::string Get(const std::string& section, const std::string& key) const;
  // "section/key" in the order they were written.
  const std::vector<std::string>& WriteOrder() const { return writes; }
  const ProfileIo& Io() const { return io; }

 private:
  static int ReadInt(void* ctx, const char* section, const char* key, int fallback);
  static int HasKey(void* ctx, const char* section, const char* key);
  static void WriteText(void* ctx, const char* section, const char* key, const char* text);

  std::map<std::pair<std::string, std::string>, std::string> values;
  std::vector<std::string> writes;
  ProfileIo io;
};

#endif
