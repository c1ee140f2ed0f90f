# What both mingw-w64 toolchain files share; each sets before including it
#   MINGW_TRIPLET          the compilers' prefix (i686-w64-mingw32, ...)
#   KALVORIX_PE_OS_VERSION the oldest Windows the PE header accepts (5.1, 5.2)
# The executable itself is declared WIN32 (add_executable(... WIN32 ...)),
# which makes CMake add -mwindows; console helpers and tests stay console.
# Running the results: source tools/win/wine-env.sh, then either run them with
# `wine`, or pass -DCMAKE_CROSSCOMPILING_EMULATOR=wine for ctest/try_run.

set(CMAKE_SYSTEM_NAME Windows)

# win32 thread model: no std::thread/std::mutex with GCC 12 (use the Win32
# API), but nothing extra gets linked. posix links winpthreads statically,
# which imports GetTickCount64, missing on XP (check-imports.sh catches it).
set(KALVORIX_MINGW_THREADS win32 CACHE STRING "mingw-w64 thread model: win32 or posix")
set_property(CACHE KALVORIX_MINGW_THREADS PROPERTY STRINGS win32 posix)
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KALVORIX_MINGW_THREADS)

find_program(CMAKE_C_COMPILER NAMES ${MINGW_TRIPLET}-gcc-${KALVORIX_MINGW_THREADS} REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${MINGW_TRIPLET}-g++-${KALVORIX_MINGW_THREADS} REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${MINGW_TRIPLET}-windres REQUIRED)
find_program(CMAKE_AR NAMES ${MINGW_TRIPLET}-gcc-ar-${KALVORIX_MINGW_THREADS} ${MINGW_TRIPLET}-ar)
find_program(CMAKE_RANLIB NAMES ${MINGW_TRIPLET}-gcc-ranlib-${KALVORIX_MINGW_THREADS} ${MINGW_TRIPLET}-ranlib)

# Headers and libraries from the target sysroot only; host programs stay usable.
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Windows XP API level, so no Vista-only function sneaks in through headers.
set(CMAKE_C_FLAGS_INIT "-D_WIN32_WINNT=0x0501 -DWINVER=0x0501")
set(CMAKE_CXX_FLAGS_INIT "-D_WIN32_WINNT=0x0501 -DWINVER=0x0501")
set(CMAKE_RC_FLAGS_INIT "-D_WIN32_WINNT=0x0501 -DWINVER=0x0501")

# Fully static: the .exe imports only system DLLs (no libgcc/libstdc++ DLLs).
# XP refuses a PE whose header asks for a newer OS than its own: pin it there
# rather than rely on the linker's default.
# No link time stamp in the header: two builds of one commit give the same bytes.
string(REPLACE "." ";" _kalvorix_os "${KALVORIX_PE_OS_VERSION}")
list(GET _kalvorix_os 0 _kalvorix_major)
list(GET _kalvorix_os 1 _kalvorix_minor)
set(_kalvorix_link "-static -static-libgcc -static-libstdc++ -Wl,--major-os-version,${_kalvorix_major},--minor-os-version,${_kalvorix_minor},--major-subsystem-version,${_kalvorix_major},--minor-subsystem-version,${_kalvorix_minor} -Wl,--no-insert-timestamp")
set(CMAKE_EXE_LINKER_FLAGS_INIT "${_kalvorix_link}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${_kalvorix_link}")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "${_kalvorix_link}")
unset(_kalvorix_link)
unset(_kalvorix_os)
unset(_kalvorix_major)
unset(_kalvorix_minor)
