// The memory probe.dll writes and the bench reads.
#ifndef NAPKEY_TOOLS_BENCH_PROBE_SHARED_H
#define NAPKEY_TOOLS_BENCH_PROBE_SHARED_H

#define PROBE_MAPPING_NAME "NapkeyBenchProbe"
#define PROBE_REQUEST 0x5E7730  // WM_NULL's wParam: answer now

struct ProbeView {
  LONG timerTicks;  // WM_TIMER messages the thread has taken: its wake-ups
  LONG answers;     // raised after each answer
  LONG gdi, user;   // object counts
  LONG cpuMs;       // CPU time so far
};

#endif
