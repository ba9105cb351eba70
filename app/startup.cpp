#include "app/startup.h"

constexpr ProfileTable<StartupState> kStartup = {kMainSectionName, {
    {"DisableOnStart", &StartupState::DisableOnStart, 0}, {"StartSSOnStart", &StartupState::StartSSOnStart, 0}}};

void StartupState::Load(const ProfileIo& io) {
  const ProfileSection stored(io, kStartup.section);
  firstStart = !stored.Has("DisableOnStart");
  kStartup.Load(stored, this);
}

void StartupState::Save(const ProfileIo& io) const { kStartup.Save(io, *this); }
