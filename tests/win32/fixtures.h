#ifndef NAPKEY_TESTS_WIN32_FIXTURES_H
#define NAPKEY_TESTS_WIN32_FIXTURES_H

#include <string>

// Folder of the test programs (testsaver.scr...), as a Windows path.
const std::string& FixturesDir();

#endif
