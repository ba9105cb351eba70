// Functions that only later versions of Windows have, found at run time so
// that the program still loads on Windows 95 and NT 4.0, where its callers
// fall back to what those systems do.
#ifndef NAPKEY_BASE_SYSLIB_WIN_H
#define NAPKEY_BASE_SYSLIB_WIN_H

#include <windows.h>

// The address of `name` in the system library `library`, which is loaded if
// it is not yet; null when either is missing.
FARPROC SystemProc(const char* library, const char* name);

// The same, typed and looked up once into `cache` (a plain static of the
// caller's: no guard for the runtime to pull in).
template <typename Function>
Function SystemFunction(const char* library, const char* name, Function* cache) {
  if (!*cache) *cache = reinterpret_cast<Function>(reinterpret_cast<void*>(SystemProc(library, name)));
  return *cache;
}

#endif
