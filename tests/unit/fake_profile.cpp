#include "fake_profile.h"

#include <cstdlib>

FakeProfile::FakeProfile() : io{ReadInt, HasKey, WriteText, this} {}

void FakeProfile::Set(const std::string& section, const std::string& key, const std::string& value) {
  values[{section, key}] = value;
}

bool FakeProfile::Has(const std::string& section, const std::string& key) const {
  return values.count({section, key}) != 0;
}

std::string FakeProfile::Get(const std::string& section, const std::string& key) const {
  auto it = values.find({section, key});
  return it == values.end() ? std::string() : it->second;
}

// Like GetPrivateProfileInt: a decimal prefix, the default when absent.
int FakeProfile::ReadInt(void* ctx, const char* section, const char* key, int fallback) {
  auto* self = static_cast<FakeProfile*>(ctx);
  if (!self->Has(section, key)) return fallback;
  return static_cast<int>(std::strtoll(self->Get(section, key).c_str(), nullptr, 10));
}

int FakeProfile::HasKey(void* ctx, const char* section, const char* key) {
  auto* self = static_cast<FakeProfile*>(ctx);
  return self->Has(section, key) && !self->Get(section, key).empty();
}

void FakeProfile::WriteText(void* ctx, const char* section, const char* key, const char* text) {
  auto* self = static_cast<FakeProfile*>(ctx);
  self->Set(section, key, text);
  self->writes.push_back(std::string(section) + "/" + key);
}
