// How often the watchdog that holds the saver off looks: three quarters of
// the timeout, but at least once a second and never wrapped round.
#ifndef NAPKEY_SAVER_WATCHDOG_H
#define NAPKEY_SAVER_WATCHDOG_H

constexpr unsigned kWatchdogFloorMs = 1000;

unsigned WatchdogInterval(unsigned timeoutSeconds);

#endif
