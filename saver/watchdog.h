// How the saver is held off: how often the watchdog looks, how long a timed
// off still runs, and how the bar and the icon say the state.
#ifndef NAPKEY_SAVER_WATCHDOG_H
#define NAPKEY_SAVER_WATCHDOG_H

#include <cstddef>

// Three quarters of the timeout, but at least once a second and never wrapped round.
constexpr unsigned kWatchdogFloorMs = 1000;
unsigned WatchdogInterval(unsigned timeoutSeconds);

// The longest timed off the command line and the menu can ask for: a day.
constexpr unsigned kTimedOffMaxMinutes = 1440;

// The length of a timed off asked for in minutes and seconds (the message's
// two halves, from any program): 0 when it is nothing or longer than a day.
unsigned TimedOffSeconds(unsigned long long minutes, long long seconds);

// What is left of a timed off ending at `end`, both wall-clock times in 100 ns
// units (as FILETIME counts): rounded up to whole milliseconds, so that a
// timer set for it never fires early; 0 once the end has come.
unsigned TimedOffWaitMs(unsigned long long now, unsigned long long end);
constexpr unsigned long long kTicksPerSecond = 10000000ull;

// The icon's tip and the toggle button's text; `until` is the end of a timed
// off in the user's time format, or empty; `byPolicy` when a policy keeps it on.
void SaverStateTip(bool active, const char* until, bool byPolicy, char* out, size_t size);
void ToggleButtonText(bool active, const char* until, char* out, size_t size);

#endif
