#include "app/startup.h"

void StartupState::Load(const ProfileIo& io) {
  firstStart = !io.hasKey(io.ctx, kMainSectionName, "DisableOnStart");
  DisableOnStart = static_cast<int32_t>(io.readInt(io.ctx, kMainSectionName, "DisableOnStart", 0));
  StartSSOnStart = static_cast<int32_t>(io.readInt(io.ctx, kMainSectionName, "StartSSOnStart", 0));
}

void StartupState::Save(const ProfileIo& io) const {
  WriteProfileNumber(io, kMainSectionName, "DisableOnStart", DisableOnStart);
  WriteProfileNumber(io, kMainSectionName, "StartSSOnStart", StartSSOnStart);
}
