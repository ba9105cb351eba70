// Where the Win32 tests find their files.
#ifndef NAPKEY_TESTS_WIN32_TESTENV_H
#define NAPKEY_TESTS_WIN32_TESTENV_H

#include <windows.h>

#include <string>

// Folder of the test programs (testsaver.scr...), as a Windows path; set by main.
inline std::string g_fixturesDir;

// A file in the Windows directory, where bare profile names and the search path lead.
inline std::string WindowsFile(const char* name) {
  char directory[MAX_PATH];
  GetWindowsDirectoryA(directory, MAX_PATH);
  return std::string(directory) + "\\" + name;
}

#endif
