# Cross toolchain for the same programs built for 64-bit Windows, with
# Debian's mingw-w64:
#   cmake -S . -B build/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake
# The 32-bit program is the product; this build lets the Wine tests run under
# 64-bit Wine, which needs no i386 package, where 32-bit Wine cannot.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(MINGW_TRIPLET x86_64-w64-mingw32)
set(KALVORIX_PE_OS_VERSION 5.2)  # Windows XP x64 Edition
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
