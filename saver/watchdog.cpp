#include "saver/watchdog.h"

// A timeout of 0 would otherwise arm a 0 ms timer that wakes the program about
// a hundred times a second for as long as the saver is held off.
unsigned WatchdogInterval(unsigned timeoutSeconds) {
  const unsigned long long ms = static_cast<unsigned long long>(timeoutSeconds) * 750u;
  if (ms < kWatchdogFloorMs) return kWatchdogFloorMs;
  return ms > 0x7FFFFFFFull ? 0x7FFFFFFFu : static_cast<unsigned>(ms);
}
