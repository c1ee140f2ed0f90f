# Cross toolchain for the 32-bit Windows program, the product, with Debian's
# mingw-w64:
#   cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake
set(CMAKE_SYSTEM_PROCESSOR x86)
set(MINGW_TRIPLET i686-w64-mingw32)
set(KALVORIX_PE_OS_VERSION 5.1)  # Windows XP
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
