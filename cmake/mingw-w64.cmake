# What both Windows toolchain files share: cross-building the Windows program on Debian with
# mingw-w64's posix-thread compilers for FUEL_MINGW_TRIPLET, its tests run under Wine through
# CTest's emulator.

set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${FUEL_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${FUEL_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${FUEL_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${FUEL_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

find_program(FUEL_WINE NAMES wine wine64 REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${FUEL_WINE})
