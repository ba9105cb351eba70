// napkey.exe against a do-nothing window program, measured in the same run:
// start to a visible main window, the `off` round trip with a copy running,
// CPU time while resident (saver enabled, and disabled with the watchdog
// running), and memory. Prints figures; not a test.
//   napkey_program_bench NAPKEY.EXE BASELINE.EXE IDLE-SECONDS
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/messages.h"
#include "probe_shared.h"

namespace {

struct Program {
  const char* name;
  std::string exe;
  const char* windowClass;
};

// probe.dll (beside the bench) hooked into the thread of a measured window.
class Probe {
 public:
  explicit Probe(HWND window) : target(window) {
    mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(ProbeView), PROBE_MAPPING_NAME);
    if (mapping) view = static_cast<ProbeView*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(ProbeView)));
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dll = path;
    dll = dll.substr(0, dll.rfind('\\') + 1) + "probe.dll";
    module = LoadLibraryA(dll.c_str());
    HOOKPROC proc = module ? reinterpret_cast<HOOKPROC>(GetProcAddress(module, "ProbeHook")) : nullptr;
    if (proc) hook = SetWindowsHookExA(WH_GETMESSAGE, proc, module, GetWindowThreadProcessId(window, nullptr));
  }
  ~Probe() {
    if (hook) UnhookWindowsHookEx(hook);
    if (module) FreeLibrary(module);
    if (view) UnmapViewOfFile(view);
    if (mapping) CloseHandle(mapping);
  }
  // Asks the thread for its figures; false when it did not answer.
  bool Ask() {
    if (!view || !hook) return false;
    const LONG before = view->answers;
    PostMessageA(target, WM_NULL, PROBE_REQUEST, 0);
    for (int i = 0; i < 2000; ++i, Sleep(10))
      if (static_cast<volatile LONG&>(view->answers) != before) return true;
    return false;
  }
  LONG TimerTicks() const { return view ? static_cast<volatile LONG&>(view->timerTicks) : -1; }
  const ProbeView* View() const { return view; }

 private:
  HWND target;
  HANDLE mapping = nullptr;
  ProbeView* view = nullptr;
  HMODULE module = nullptr;
  HHOOK hook = nullptr;
};

double Now() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return double(counter.QuadPart) / double(frequency.QuadPart);
}

PROCESS_INFORMATION Run(const std::string& commandLine) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  std::string line = commandLine;
  CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info);
  return info;
}

HWND WaitVisible(const char* windowClass, double timeout) {
  for (const double end = Now() + timeout; Now() < end; Sleep(1))
    if (HWND window = FindWindowA(windowClass, nullptr))
      if (IsWindowVisible(window)) return window;
  return nullptr;
}

void End(PROCESS_INFORMATION& info, HWND window) {
  if (window) PostMessageA(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(info.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(info.hProcess, 1);
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
}

struct Figures {
  std::vector<double> values;
  double Min() const { return *std::min_element(values.begin(), values.end()); }
  double Max() const { return *std::max_element(values.begin(), values.end()); }
  double Median() const {
    std::vector<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    return sorted[sorted.size() / 2];
  }
};

// A ratio only where the baseline measured something: Wine reports no CPU time
// of another process, for instance.
void Row(const char* what, const Figures& napkey, const Figures& baseline, const char* unit) {
  char ratio[16] = "    -";
  if (baseline.Median() > 0) std::snprintf(ratio, sizeof ratio, "%6.2fx", napkey.Median() / baseline.Median());
  std::printf("%-34s %9.1f %9.1f %9.1f | %9.1f %9.1f %9.1f | %s %s\n", what, napkey.Min(), napkey.Median(),
              napkey.Max(), baseline.Min(), baseline.Median(), baseline.Max(), ratio, unit);
}

double WorkingSetKb(HANDLE process) {
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  return GetProcessMemoryInfo(process, &counters, sizeof counters) ? double(counters.WorkingSetSize) / 1024.0 : 0;
}

// Opens the program's popup menu through its message and closes it again,
// each time waiting until the menu has come and gone.
bool OpenAndCloseMenu(HWND window) {
  PostMessageA(window, WM_NAPKEY_POPUP_MENU, 0, 0);
  HWND menu = nullptr;
  for (int i = 0; i < 2000 && !(menu = FindWindowA("#32768", nullptr)); ++i) Sleep(1);
  if (!menu) return false;
  SendMessageA(window, WM_CANCELMODE, 0, 0);
  for (int i = 0; i < 2000 && IsWindowVisible(menu); ++i) Sleep(1);
  return !IsWindowVisible(menu);
}

// A resident napkey.exe worked hard: re-layouts (as after a display change),
// menu opens and saver toggles, each in two rounds: what the first round adds
// once (caches) the second must not add again.
void LongRun(const Program& napkey) {
  PROCESS_INFORMATION resident = Run("\"" + napkey.exe + "\"");
  HWND window = WaitVisible(napkey.windowClass, 20);
  if (!window) return;
  Probe probe(window);
  const auto report = [&](const char* when) {
    LONG gdi = -1, user = -1, cpu = -1;
    if (probe.Ask()) gdi = probe.View()->gdi, user = probe.View()->user, cpu = probe.View()->cpuMs;
    std::printf("%-28s GDI objects %5ld, USER objects %5ld, working set %8.0f KB, CPU so far %6ld ms\n", when, gdi,
                user, WorkingSetKb(resident.hProcess), cpu);
  };
  std::printf("\nlong run (napkey.exe):\n");
  report("after start");
  for (int round = 1; round <= 2; ++round) {  // a second round tells growth that levels off from a leak
    for (int i = 0; i < 10000; ++i) SendMessageA(window, WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
    report(round == 1 ? "after 10,000 re-layouts" : "after 10,000 more");
  }
  for (int round = 1; round <= 2; ++round) {
    int menus = 0;
    while (menus < 10000 && OpenAndCloseMenu(window)) ++menus;
    char when[64];
    std::snprintf(when, sizeof when, "after %d menu opens%s", menus, round == 1 ? "" : " more");
    report(when);
  }
  for (int round = 1; round <= 2; ++round) {
    for (int i = 0; i < 1000; ++i) SendMessageA(window, WM_NAPKEY_TOGGLE_SAVER, 0, 0);
    report(round == 1 ? "after 1,000 saver toggles" : "after 1,000 more");
  }
  End(resident, window);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: napkey_program_bench NAPKEY.EXE BASELINE.EXE IDLE-SECONDS\n");
    return 2;
  }
  const Program programs[2] = {{"napkey", argv[1], "Napkey"}, {"baseline", argv[2], "NapkeyBaseline"}};
  const int runs = 7;
  const DWORD idleMs = static_cast<DWORD>(std::atoi(argv[3]) * 1000);
  Figures start[2], roundTrip[2], memory[2], idleCpu[2], heldCpu[2], idleWakeups[2], heldWakeups[2];
  for (int run = 0; run < runs; ++run)
    for (int p = 0; p < 2; ++p) {  // interleaved, so a busy moment hits both
      const double begin = Now();
      PROCESS_INFORMATION resident = Run("\"" + programs[p].exe + "\"");
      HWND window = WaitVisible(programs[p].windowClass, 20);
      start[p].values.push_back((Now() - begin) * 1000);
      const double sent = Now();
      PROCESS_INFORMATION client = Run("\"" + programs[p].exe + "\" off");
      WaitForSingleObject(client.hProcess, 20000);
      roundTrip[p].values.push_back((Now() - sent) * 1000);
      CloseHandle(client.hThread);
      CloseHandle(client.hProcess);
      if (p == 0) {  // "off" disabled the saver: switch it back on for the next run
        PROCESS_INFORMATION on = Run("\"" + programs[p].exe + "\" on");
        WaitForSingleObject(on.hProcess, 20000);
        CloseHandle(on.hThread);
        CloseHandle(on.hProcess);
      }
      memory[p].values.push_back(WorkingSetKb(resident.hProcess));
      End(resident, window);
    }
  // Idle: CPU time and timer wake-ups, read inside each program (Wine reports
  // no CPU time of another process).
  for (int p = 0; p < 2; ++p) {
    PROCESS_INFORMATION resident = Run("\"" + programs[p].exe + "\"");
    HWND window = WaitVisible(programs[p].windowClass, 20);
    Probe probe(window);
    const auto idle = [&](Figures* cpu, Figures* wakeups) {
      const LONG before = probe.Ask() ? probe.View()->cpuMs : 0;
      const LONG ticks = probe.TimerTicks();
      Sleep(idleMs);
      const LONG after = probe.Ask() ? probe.View()->cpuMs : 0;
      cpu->values.push_back(after - before);
      wakeups->values.push_back(probe.TimerTicks() - ticks);
    };
    Sleep(1000);
    idle(&idleCpu[p], &idleWakeups[p]);
    // Held off: the watchdog looks at most once a second; a timed off adds
    // one timer for its end and nothing that polls.
    for (int held = 0; p == 0 && held < 2; ++held) {
      PROCESS_INFORMATION off = Run("\"" + programs[p].exe + (held ? "\" off 60" : "\" off"));
      WaitForSingleObject(off.hProcess, 20000);
      idle(&heldCpu[held], &heldWakeups[held]);
      PROCESS_INFORMATION on = Run("\"" + programs[p].exe + "\" on");
      WaitForSingleObject(on.hProcess, 20000);
    }
    End(resident, window);
  }
  std::printf("%-34s %29s | %29s |\n", "", "napkey: min median max", "baseline: min median max");
  Row("start to visible main window", start[0], start[1], "ms");
  Row("'off' round trip, copy running", roundTrip[0], roundTrip[1], "ms");
  Row("working set after start", memory[0], memory[1], "KB");
  char idle[64];
  std::snprintf(idle, sizeof idle, "CPU over %d s idle, saver on", std::atoi(argv[3]));
  Row(idle, idleCpu[0], idleCpu[1], "ms");
  std::snprintf(idle, sizeof idle, "CPU over %d s idle, saver held off", std::atoi(argv[3]));
  Row(idle, heldCpu[0], idleCpu[1], "ms");
  std::snprintf(idle, sizeof idle, "CPU over %d s idle, off for 60 min", std::atoi(argv[3]));
  Row(idle, heldCpu[1], idleCpu[1], "ms");
  std::snprintf(idle, sizeof idle, "timer wake-ups in %d s, saver on", std::atoi(argv[3]));
  Row(idle, idleWakeups[0], idleWakeups[1], "");
  std::snprintf(idle, sizeof idle, "timer wake-ups in %d s, held off", std::atoi(argv[3]));
  Row(idle, heldWakeups[0], idleWakeups[1], "");
  std::snprintf(idle, sizeof idle, "timer wake-ups in %d s, off 60 min", std::atoi(argv[3]));
  Row(idle, heldWakeups[1], idleWakeups[1], "");
  LongRun(programs[0]);
  return 0;
}
