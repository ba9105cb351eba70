/* The smallest i686 program the release check reads like napkey.exe: its one
   import is on the allowed list, so only what a variant adds (a manifest, a
   later Windows version) can make the check refuse it. It is never run. */
#include <windows.h>

DWORD start(void) { return GetTickCount(); }
