#!/usr/bin/env bash
# The decisions of tools/deps.sh on hosts of every kind, with the system
# stood in for: which Wine route it takes and why, how i386 programs come to
# run, and how often it asks apt. Nothing is installed or changed.
# Usage: deps_test.sh SOURCE_DIR   (exit 1 on a fault)
set -uo pipefail
source "${1:?usage: deps_test.sh SOURCE_DIR}/tools/deps.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
faults=0
fault() { echo "deps_test: [$scene] $*"; faults=$((faults + 1)); }

# The host: what is installed, what runs, which commands as root fail.
installed=""    # packages dpkg has
foreign=""      # dpkg's foreign architectures
i386=no         # i386 programs run (natively, or through binfmt once registered)
binfmt=no       # qemu can be registered with binfmt_misc
qemu_path=""    # a qemu-i386 that runs i386 programs
starts="win32 win64"  # Wine loaders that start once installed
refused=""      # a regular expression: root commands that fail
i386_index=ok   # or broken: apt-get update fails once i386 is a foreign architecture
log=""          # every root command, one a line
said=""         # what the last step run by run said

deps_as_root() {
    log+="$*"$'\n'
    if [ -n "$refused" ] && [[ "$*" =~ $refused ]]; then
        return 100
    fi
    if [[ "$*" == *"apt-get update"* ]] && [ "$i386_index" = broken ] && [ "$foreign" = i386 ]; then
        return 100
    fi
    if [[ "$*" == *"apt-get install"* ]]; then
        local word
        for word in "$@"; do
            case $word in -* | env | DEBIAN_FRONTEND=* | apt-get | install) ;; *) installed+=" $word" ;; esac
        done
    fi
    [[ "$*" != "dpkg --add-architecture i386" ]] || foreign=i386
    return 0
}
deps_installed() { [[ " $installed " == *" $1 "* ]]; }
dpkg() { [ "$1" = --print-foreign-architectures ] && printf '%s\n' $foreign; }
deps_runs_i386() { [ "${KALVORIX_I386:-}" != qemu ] && [ "$i386" = yes ]; }
deps_binfmt_i386() { [ "${KALVORIX_I386:-}" != qemu ] && [ "$binfmt" = yes ] && i386=yes; }
deps_qemu_i386() { [ -n "$qemu_path" ] && echo "$qemu_path"; }
deps_wine_starts() { [[ " $starts " == *" $1 "* ]] && deps_installed "$([ "$1" = win32 ] && echo wine32:i386 || echo wine64)"; }
deps_locale_ru() { :; }
sleep() { log+="sleep $*"$'\n'; }

# host SCENE: a fresh host of the common kind (amd64, i386 runs natively).
host() {
    scene=$1
    installed="" foreign="" i386=yes binfmt=no qemu_path="" starts="win32 win64" refused="" i386_index=ok log=""
    deps_lists_fresh=0
    unset KALVORIX_WINE_ARCH KALVORIX_I386 KALVORIX_WINE_WHY KALVORIX_WINE_BUILD KALVORIX_WINE_TOOLCHAIN
}
count() { grep -c -- "$1" <<<"$log"; }
# run FUNCTION: runs it here (what it sets stays set), keeping what it says.
run() {
    "$1" >"$work/said"
    local status=$?
    said=$(<"$work/said")
    return $status
}
# route ARCH BUILD WHY: deps_wine succeeded and chose that route.
route() {
    [ "${KALVORIX_WINE_ARCH:-}" = "$1" ] || fault "route ${KALVORIX_WINE_ARCH:-none}, not $1"
    [ "${KALVORIX_WINE_BUILD:-}" = "$2" ] || fault "build ${KALVORIX_WINE_BUILD:-none}, not $2"
    [ "${KALVORIX_WINE_WHY:-}" = "$3" ] || fault "because '${KALVORIX_WINE_WHY:-}', not '$3'"
    local toolchain=cmake/mingw-x86_64.cmake
    [ "$1" = win64 ] || toolchain=cmake/mingw-i686.cmake
    [ "${KALVORIX_WINE_TOOLCHAIN:-}" = "$toolchain" ] || fault "toolchain ${KALVORIX_WINE_TOOLCHAIN:-none}"
}

host "32-bit Wine installs and starts"
deps_wine >/dev/null || fault "deps_wine failed"
route win32 build/win "32-bit Wine runs here"
[ "$foreign" = i386 ] || fault "the i386 architecture was not added"
deps_installed wine64 && fault "wine64 installed although i386 programs run natively"

host "the i386 index cannot be had"
i386_index=broken refused='wine32:i386'
deps_wine >/dev/null || fault "deps_wine failed"
route win64 build/win64 "32-bit Wine (wine32:i386) could not be installed"
# Once for the amd64 packages, three times once i386 is added.
[ "$(count 'apt-get update')" -eq 4 ] || fault "apt-get update tried $(count 'apt-get update') times, not 1 + 3"
[ "$(count '^sleep')" -eq 2 ] || fault "$(count '^sleep') pauses between the tries, not 2"
deps_installed g++-mingw-w64-i686 || fault "the product's compilers were not installed"
deps_installed g++-mingw-w64-x86-64 || fault "the x86_64 compilers were not installed"

host "32-bit Wine installs but does not start"
starts=win64
deps_wine >/dev/null || fault "deps_wine failed"
route win64 build/win64 "32-bit Wine does not start"

host "i386 programs run only through qemu registered with binfmt_misc"
i386=no binfmt=yes
deps_wine >/dev/null || fault "deps_wine failed"
route win32 build/win "32-bit Wine runs here"
deps_installed wine64 || fault "no native wineserver (wine64) beside 32-bit Wine under qemu"

host "no i386 program runs, and no binfmt_misc"
i386=no qemu_path=/usr/bin/qemu-i386
deps_wine >/dev/null || fault "deps_wine failed"
route win64 build/win64 "i386 programs run here neither natively nor through qemu registered with binfmt_misc"
deps_installed wine32:i386 && fault "wine32:i386 installed where no i386 program runs"
[ -z "$foreign" ] || fault "the i386 architecture added where no i386 program runs"

host "KALVORIX_WINE_ARCH=win64 on a host where 32-bit Wine would run"
KALVORIX_WINE_ARCH=win64
deps_wine >/dev/null || fault "deps_wine failed"
route win64 build/win64 "KALVORIX_WINE_ARCH=win64 asks for it"
[ "$(count 'wine32:i386')" -eq 0 ] || fault "32-bit Wine was tried"
[ -z "$foreign" ] || fault "the i386 architecture was added"

host "KALVORIX_WINE_ARCH=win32 where 32-bit Wine cannot be installed"
KALVORIX_WINE_ARCH=win32 refused='wine32:i386'
run deps_wine && fault "deps_wine succeeded"
[ "$said" != "${said%KALVORIX_WINE_ARCH=win32, but 32-bit Wine (wine32:i386) could not be installed}" ] ||
    fault "said '$said'"
[ "$KALVORIX_WINE_ARCH" = win32 ] || fault "fell back to $KALVORIX_WINE_ARCH"
deps_installed wine64 && fault "64-bit Wine installed although win32 was asked for"

host "KALVORIX_WINE_ARCH=win16"
KALVORIX_WINE_ARCH=win16
run deps_wine && fault "deps_wine succeeded"
[[ "$said" == *"KALVORIX_WINE_ARCH is win32 or win64, not 'win16'"* ]] || fault "said '$said'"

host "neither Wine can be installed"
refused='wine32:i386| wine64$'
run deps_wine && fault "deps_wine succeeded"
[[ "$said" == *"32-bit Wine (wine32:i386) could not be installed, and 64-bit Wine or the x86_64 compilers could not be installed"* ]] ||
    fault "said '$said'"

host "i386 programs run natively"
deps_i386 >/dev/null || fault "deps_i386 failed"
[ -z "$KALVORIX_I386_EMULATOR" ] || fault "emulator $KALVORIX_I386_EMULATOR"
[ -z "$log" ] || fault "changed the host: $log"

host "i386 programs run once qemu is registered"
i386=no binfmt=yes
deps_i386 >/dev/null || fault "deps_i386 failed"
[ -z "$KALVORIX_I386_EMULATOR" ] || fault "emulator $KALVORIX_I386_EMULATOR"

host "no binfmt_misc: qemu-i386 is CTest's emulator"
i386=no qemu_path=/usr/bin/qemu-i386
deps_i386 >/dev/null || fault "deps_i386 failed"
[ "$KALVORIX_I386_EMULATOR" = /usr/bin/qemu-i386 ] || fault "emulator '$KALVORIX_I386_EMULATOR'"
deps_installed qemu-user || fault "qemu-user was not installed"

host "KALVORIX_I386=qemu on a host that runs i386 programs natively"
KALVORIX_I386=qemu binfmt=yes qemu_path=/usr/bin/qemu-i386
deps_i386 >/dev/null || fault "deps_i386 failed"
[ "$KALVORIX_I386_EMULATOR" = /usr/bin/qemu-i386 ] || fault "emulator '$KALVORIX_I386_EMULATOR'"

host "no way to run i386 programs"
i386=no
run deps_i386 && fault "deps_i386 succeeded"
[ "$(grep -c 'this host runs no i386 program' <<<"$said")" -eq 1 ] || fault "said '$said'"

host "apt-get update once per run, and only when something is missing"
installed="cmake ninja-build"
deps_install cmake ninja-build >/dev/null || fault "deps_install failed"
deps_install cmake xvfb >/dev/null || fault "deps_install failed"
deps_install bc >/dev/null || fault "deps_install failed"
[ "$(count 'apt-get update')" -eq 1 ] || fault "apt-get update ran $(count 'apt-get update') times"
[ "$(count 'install.* cmake')" -eq 0 ] || fault "an installed package was installed again"

[ "$faults" -eq 0 ] && echo "deps_test: every host as expected"
[ "$faults" -eq 0 ]
