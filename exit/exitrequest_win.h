// The two calls through which the program asks to end the user's session.
// They live apart from the rest of Fast Exit so that a test build can link a
// recorder in their place instead of ending the test machine's session.
#ifndef NAPKEY_EXIT_EXITREQUEST_WIN_H
#define NAPKEY_EXIT_EXITREQUEST_WIN_H

#include <windows.h>

BOOL RequestWindowsExit(UINT flags);
BOOL OpenOwnProcessToken(DWORD access, HANDLE* token);

#endif
