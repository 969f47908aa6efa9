# Cross-builds 32-bit Windows programs with Debian's mingw-w64 (package
# g++-mingw-w64-i686); CTest runs what it builds through Wine (cmake/wine-run).
set(CMAKE_SYSTEM_PROCESSOR x86)
set(DISH_MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
