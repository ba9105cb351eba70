// The Win32 tests take the folder of the test programs as their argument.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

std::string g_fixturesDir;

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: napkey_win32_tests [gtest flags] FIXTURES-FOLDER\n");
    return 2;
  }
  g_fixturesDir = argv[1];
  return RUN_ALL_TESTS();
}
