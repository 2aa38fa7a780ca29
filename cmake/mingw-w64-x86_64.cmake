# The x86-64 Windows build (g++-mingw-w64-x86-64-posix), compiled and tested but not shipped: its
# 64-bit pointers catch width faults in the Win32 code that the 32-bit program would hide.
#   cmake -S . -B build-windows-x64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake

set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(FUEL_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
