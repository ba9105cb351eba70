// The system tests take the napkey.exe under test as their first argument.
#include <gtest/gtest.h>

#include <cstdio>

#include "driver.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: napkey_system_tests [gtest flags] PATH\\TO\\napkey.exe\n");
    return 2;
  }
  driver::SetNapkeyExe(argv[1]);
  return RUN_ALL_TESTS();
}
