# The shipped Windows program: 32-bit (g++-mingw-w64-i686-posix), so that one fuelcalc.exe runs
# on 32- and 64-bit Windows 7 SP1 to 11.
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake

set(CMAKE_SYSTEM_PROCESSOR x86)
set(FUEL_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

# Double arithmetic in SSE2 registers, as every x86-64 build does: the x87 unit's extended
# precision rounds twice and changes a caption's last digit in about one case of a thousand.
# Every x86 processor of this century has SSE2. mingw's GCC realigns the stack of SSE code on
# its own, since Windows keeps it aligned to 4 bytes only.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
