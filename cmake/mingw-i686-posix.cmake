# Cross toolchain for the i686 builds of the system tests and their programs,
# which drive the release exe: the release toolchain with the posix thread
# model, which GoogleTest needs.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686.cmake)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
