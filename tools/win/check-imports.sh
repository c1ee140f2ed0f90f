#!/usr/bin/env bash
# Checks that a PE file imports only system DLLs, and none of the common
# KERNEL32/USER32 functions that appeared after Windows XP (the list is not
# complete; it catches what mingw's runtimes and libstdc++ tend to pull in).
# Usage: tools/win/check-imports.sh prog.exe   (exit 1 on a problem)
# KALVORIX_OBJDUMP names the objdump that reads PE files (CMake passes its own).
set -euo pipefail

exe=${1:?usage: check-imports.sh prog.exe}
allowed=${KALVORIX_ALLOWED_DLLS:-"KERNEL32.DLL USER32.DLL GDI32.DLL COMCTL32.DLL SHELL32.DLL MSVCRT.DLL"}
post_xp='GetTickCount64 GetSystemTimePreciseAsFileTime InitializeConditionVariable
SleepConditionVariableCS SleepConditionVariableSRW WakeConditionVariable
WakeAllConditionVariable InitializeSRWLock AcquireSRWLockExclusive
AcquireSRWLockShared ReleaseSRWLockExclusive ReleaseSRWLockShared
TryAcquireSRWLockExclusive InitOnceExecuteOnce InitOnceBeginInitialize
InitOnceComplete InitializeCriticalSectionEx FlsAlloc FlsFree FlsGetValue
FlsSetValue GetCurrentProcessorNumber CreateEventExA CreateEventExW
CreateMutexExA CreateMutexExW CreateSemaphoreExA CreateSemaphoreExW
GetFileInformationByHandleEx SetFileInformationByHandle CancelIoEx
GetFinalPathNameByHandleA GetFinalPathNameByHandleW CreateSymbolicLinkA
CreateSymbolicLinkW QueryFullProcessImageNameA QueryFullProcessImageNameW
GetLocaleInfoEx LCMapStringEx CompareStringEx GetUserDefaultLocaleName
GetErrorMode GetThreadId SetProcessDPIAware ChangeWindowMessageFilter
ChangeWindowMessageFilterEx SetProcessDpiAwarenessContext GetDpiForWindow'

dump=$("${KALVORIX_OBJDUMP:-i686-w64-mingw32-objdump}" -p "$exe")
status=0
for dll in $(printf '%s\n' "$dump" | sed -n 's/^\tDLL Name: //p' | tr '[:lower:]' '[:upper:]'); do
  case " $allowed " in
    *" $dll "*) ;;
    *) echo "check-imports: $exe imports $dll"; status=1 ;;
  esac
done
# Import table rows are "<hint> <ordinal> <name>" under each DLL Name line.
names=$(printf '%s\n' "$dump" | awk '/^\tDLL Name:/ {in_dll = 1; next} /^$/ {in_dll = 0} in_dll && NF >= 3 {print $NF}')
for f in $post_xp; do
  if grep -x "$f" <<<"$names" >/dev/null; then
    echo "check-imports: $exe imports $f (not on Windows XP)"; status=1
  fi
done
[ "$status" -ne 0 ] || echo "check-imports: $exe: system DLLs only, no post-XP imports found"
exit "$status"
