# What both Windows toolchains share; DISH_MINGW_PREFIX names the compilers
# (cmake/mingw-i686.cmake, cmake/mingw-x86_64.cmake).
set(CMAKE_SYSTEM_NAME Windows)

# The posix thread model: the win32 one has no std::thread or std::mutex,
# which GoogleTest uses.
set(CMAKE_C_COMPILER ${DISH_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${DISH_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${DISH_MINGW_PREFIX}-windres)

# Headers and libraries come from the mingw-w64 tree only; programs run
# during the build are the build machine's own.
set(CMAKE_FIND_ROOT_PATH /usr/${DISH_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Double arithmetic in SSE2 registers, as on 64-bit Linux: in the x87
# registers' extended precision the last displayed digit of some results
# differs. Each function and datum in a section of its own, for the linker
# to leave out what no one uses.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse -ffunction-sections -fdata-sections")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse -ffunction-sections -fdata-sections")

# The C++ runtime, libgcc and winpthread linked in, so that the programs need
# only the DLLs Windows has; of them, and of the program's own code, only
# what is used.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -Wl,--gc-sections")

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run)
