#include "saver/watchdog.h"

#include "base/textbuf.h"

// A timeout of 0 would otherwise arm a 0 ms timer that wakes the program about
// a hundred times a second for as long as the saver is held off.
unsigned WatchdogInterval(unsigned timeoutSeconds) {
  const unsigned long long ms = static_cast<unsigned long long>(timeoutSeconds) * 750u;
  if (ms < kWatchdogFloorMs) return kWatchdogFloorMs;
  return ms > 0x7FFFFFFFull ? 0x7FFFFFFFu : static_cast<unsigned>(ms);
}

unsigned TimedOffSeconds(unsigned long long minutes, long long seconds) {
  const unsigned long long most = 60ull * kTimedOffMaxMinutes;
  if (minutes > kTimedOffMaxMinutes || seconds < 0 || static_cast<unsigned long long>(seconds) > most) return 0;
  const unsigned long long total = minutes * 60 + static_cast<unsigned long long>(seconds);
  return total > most ? 0 : static_cast<unsigned>(total);
}

unsigned TimedOffWaitMs(unsigned long long now, unsigned long long end) {
  if (now >= end) return 0;
  const unsigned long long ms = (end - now) / 10000 + ((end - now) % 10000 != 0);
  return ms > 0x7FFFFFFFull ? 0x7FFFFFFFu : static_cast<unsigned>(ms);
}

void SaverStateTip(bool active, const char* until, bool byPolicy, char* out, size_t size) {
  TextBuilder tip(out, size);
  tip.Append(active ? "Screen saver is enabled" : "Screen saver is disabled");
  if (!active && until && *until) tip.Append(" until ").Append(until);
  if (active && byPolicy) tip.Append(" (set by a system policy)");
}

void ToggleButtonText(bool active, const char* until, char* out, size_t size) {
  TextBuilder text(out, size);
  text.Append(active ? "Disable screen saver" : "Enable screen saver");
  if (!active && until && *until) text.Append(" (off until ").Append(until).Append(")");
}
