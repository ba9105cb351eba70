// What Fast Exit tells the user when an auxiliary program cannot be started.
#ifndef NAPKEY_EXIT_EXITTEXT_H
#define NAPKEY_EXIT_EXITTEXT_H

#include <cstddef>

// WinExec results below this are failures.
constexpr unsigned kWinExecSuccess = 32;

extern const char kExitToDosExplanation[];

// The "Cannot Restart Windows 95" text for a failed WinExec result.
const char* RestartFailureText(unsigned winExecResult);
// "Could not Exit To DOS:  Error # %d " and its reason, for results other than 2.
void ExitToDosFailureText(unsigned winExecResult, char* out, size_t size);

#endif
