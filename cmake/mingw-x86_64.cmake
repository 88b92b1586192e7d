# Cross toolchain: Debian's mingw-w64 for 64-bit Windows. Used only to run the test suite
# on hosts whose kernel cannot execute 32-bit code (and so cannot run 32-bit Wine).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
