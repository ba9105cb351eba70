// Loaded into the measured program by a WH_GETMESSAGE hook: counts its timer
// wake-ups and, when asked with a WM_NULL request, writes its object counts
// and its CPU time into memory the bench reads. Wine tells a process only its
// own CPU time and answers 0 to GetGuiResources, hence the inside view.
#include <windows.h>

#include "probe_shared.h"

namespace {

// Windows answers GetGuiResources; Wine takes a handle's table index alone
// (a handle without its high word) as that handle, so its tables can be walked.
void CountObjects(LONG* gdi, LONG* user) {
  *gdi = static_cast<LONG>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
  *user = static_cast<LONG>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
  if (*gdi || *user) return;
  const DWORD self = GetCurrentProcessId();
  for (ULONG_PTR index = 1; index < 0x10000; ++index) {
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(index))) ++*gdi;
    DWORD owner = 0;
    HWND window = reinterpret_cast<HWND>(index);
    if ((IsWindow(window) && GetWindowThreadProcessId(window, &owner) && owner == self) ||
        IsMenu(reinterpret_cast<HMENU>(index)))
      ++*user;
  }
}

LONG CpuMs() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  const auto ticks = [](FILETIME t) { return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
  return static_cast<LONG>((ticks(kernel) + ticks(user)) / 10000);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK ProbeHook(int code, WPARAM wParam, LPARAM lParam) {
  const MSG* message = reinterpret_cast<const MSG*>(lParam);
  const bool timer = message->message == WM_TIMER;
  const bool asked = message->message == WM_NULL && message->wParam == PROBE_REQUEST;
  if (code == HC_ACTION && wParam == PM_REMOVE && (timer || asked)) {
    if (HANDLE mapping = OpenFileMappingA(FILE_MAP_WRITE, FALSE, PROBE_MAPPING_NAME)) {
      if (auto* view = static_cast<volatile LONG*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(ProbeView)))) {
        auto* shared = const_cast<ProbeView*>(reinterpret_cast<volatile ProbeView*>(view));
        if (timer) InterlockedIncrement(&shared->timerTicks);
        if (asked) {
          CountObjects(&shared->gdi, &shared->user);
          shared->cpuMs = CpuMs();
          InterlockedIncrement(&shared->answers);
        }
        UnmapViewOfFile(const_cast<LONG*>(view));
      }
      CloseHandle(mapping);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
