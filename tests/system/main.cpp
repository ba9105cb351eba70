// The system tests take the napkey.exe under test and the folder of the test
// programs as their arguments.
#include <gtest/gtest.h>

#include <cstdio>

#include "driver.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: napkey_system_tests [gtest flags] NAPKEY.EXE FIXTURES-FOLDER\n");
    return 2;
  }
  driver::SetPaths(argv[1], argv[2]);
  // A process that owns a window receives (and may send) settings broadcasts.
  CreateWindowExA(0, "static", "napkey system tests", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  return RUN_ALL_TESTS();
}
