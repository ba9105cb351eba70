// The start-up settings kept in the main section "Drowsel" of napkey.ini.
#ifndef NAPKEY_APP_STARTUP_H
#define NAPKEY_APP_STARTUP_H

#include <cstdint>

#include "settings/profile.h"

class StartupState {
 public:
  int32_t DisableOnStart = 0;
  int32_t StartSSOnStart = 0;
  // True when no earlier start has been recorded with this settings file.
  bool firstStart = false;

  // Reads both keys; an absent DisableOnStart key means the program has never
  // run with this file (every start records it at once, see RecordStart).
  void Load(const ProfileIo& io);
  void Save(const ProfileIo& io) const;
  // Marks the file as used, so that later starts are not first starts.
  void RecordStart(const ProfileIo& io) const { Save(io); }
};

#endif
