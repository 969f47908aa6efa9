# Cross-builds the same programs for 64-bit Windows (package
# g++-mingw-w64-x86-64), for running the Windows tests under a 64-bit Wine on
# a machine that runs no 32-bit programs.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(DISH_MINGW_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
