# The one helper that installs what the project's scripts need on Debian
# (x86-64), as root or through sudo, from the apt sources the machine already
# has, and makes the host ready for it.
#
#   bash tools/deps.sh [unit] [wine]   installs (both when none is named)
#   source tools/deps.sh               only defines the functions below
#
# deps_unit   the native builds and their tests
# deps_i386   a way to run i386 programs for the 32-bit unit suite; sets
#             KALVORIX_I386_EMULATOR (CTest's emulator, or "" when none is needed)
# deps_wine   the Windows build and the Wine that tests it, and the route the
#             Wine tests take; sets KALVORIX_WINE_ARCH (win32 or win64),
#             KALVORIX_WINE_WHY, KALVORIX_WINE_BUILD, KALVORIX_WINE_TOOLCHAIN
#             and KALVORIX_WINE_PROGRAM (which kalvorix.exe it drives)
# Each returns non-zero, after one line saying why, when the host cannot be
# made ready.
#
# Settings:
#   KALVORIX_WINE_ARCH=win32|win64  takes that route or none (default: win32
#                                   where 32-bit Wine can be installed and runs)
#   KALVORIX_I386=qemu              the host counts as one whose kernel runs no
#                                   i386 program and that has no binfmt_misc (a
#                                   container): the qemu-i386 route, tried anywhere

deps_lists_fresh=0  # apt-get update has run in this process, for these architectures
deps_why=           # why the last step that failed did

# deps_as_root COMMAND...: runs it as root, through sudo when not root.
deps_as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  elif command -v sudo >/dev/null 2>&1; then
    sudo "$@"
  else
    echo "deps: '$*' needs root: run as root or install sudo" >&2
    return 1
  fi
}

# deps_apt_update: apt-get update once per process, tried three times with
# a pause, since a mirror can be caught half-synchronised ("File has
# unexpected size"). After that it goes on with the lists as they are: the
# packages the other indexes hold can still be installed.
deps_apt_update() {
  [ "$deps_lists_fresh" -eq 0 ] || return 0
  deps_lists_fresh=1
  local try
  for try in 1 2 3; do
    deps_as_root apt-get update -qq -o DPkg::Lock::Timeout=600 && return 0
    if [ "$try" -lt 3 ]; then
      echo "deps: apt-get update failed (try $try of 3); again in $((try * 15)) s"
      sleep $((try * 15))
    fi
  done
  echo "deps: apt-get update failed 3 times: going on with the package lists as they are"
  return 1
}

# deps_installed PKG[:ARCH]: whether dpkg has it installed.
deps_installed() {
  dpkg-query -W -f='${db:Status-Status}\n' "$1" 2>/dev/null | grep -x installed >/dev/null
}

# deps_install PKG[:ARCH]...: installs those that are missing, without their
# recommendations (sound, GL, printing and media libraries no test uses).
deps_install() {
  local missing=() pkg
  for pkg in "$@"; do
    deps_installed "$pkg" || missing+=("$pkg")
  done
  [ ${#missing[@]} -gt 0 ] || return 0
  if [ "$(id -u)" -ne 0 ] && ! command -v sudo >/dev/null 2>&1; then
    echo "deps: installing ${missing[*]} needs root: run as root or install sudo"
    return 1
  fi
  deps_apt_update
  echo "deps: installing ${missing[*]}"
  deps_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    -o DPkg::Lock::Timeout=600 "${missing[@]}"
}

deps_unit() {
  deps_install cmake ninja-build g++ g++-multilib clang libclang-rt-14-dev libgtest-dev libbenchmark-dev \
    python3 bc groff-base man-db faketime unzip fp-utils libchm-bin libgmp-dev ||
    { echo "deps: the packages of the native builds could not be installed"; return 1; }
}

# deps_runs_i386: whether i386 programs run here, natively or through qemu
# registered with binfmt_misc (libc6-i386 brings the loader it asks).
deps_runs_i386() {
  [ "${KALVORIX_I386:-}" != qemu ] && /lib/ld-linux.so.2 --version >/dev/null 2>&1
}

# deps_qemu: qemu-user for i386 programs. 32-bit Wine hangs reserving its
# address space under a qemu older than 8 (no MAP_FIXED_NOREPLACE), so on
# bookworm it comes from bookworm-backports of the Debian archive this
# machine already uses.
deps_qemu() {
  local version
  version=$(dpkg-query -W -f='${Version}' qemu-user 2>/dev/null)
  if deps_installed qemu-user && dpkg --compare-versions "$version" ge 1:8; then
    return 0
  fi
  local codename from=()
  codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
  if [ "$codename" = bookworm ]; then
    if ! apt-cache policy | grep 'bookworm-backports/main' >/dev/null; then
      local mirror
      mirror=$(apt-get indextargets --format '$(REPO_URI)' "Codename: $codename" 'Origin: Debian' 'Label: Debian' \
        2>/dev/null | head -n 1)
      if [ -z "$mirror" ]; then
        echo "deps: no Debian $codename source is configured for apt, so no qemu-user 8 from its backports"
        return 1
      fi
      printf '%s\n' 'Types: deb' "URIs: $mirror" 'Suites: bookworm-backports' 'Components: main' \
        'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' |
        deps_as_root tee /etc/apt/sources.list.d/bookworm-backports.sources >/dev/null || return 1
      deps_lists_fresh=0
    fi
    from=(-t bookworm-backports)
  fi
  deps_apt_update
  echo "deps: installing qemu-user ${from[*]}"
  deps_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    -o DPkg::Lock::Timeout=600 "${from[@]}" qemu-user
}

# deps_binfmt_i386: qemu-i386 registered with binfmt_misc runs i386 programs
# as if the kernel did. The registration is lost at every reboot, so it is
# made again whenever it is missing; it fails where binfmt_misc cannot be
# mounted, as in a container.
deps_binfmt_i386() {
  [ "${KALVORIX_I386:-}" != qemu ] && deps_qemu || return 1
  local bm=/proc/sys/fs/binfmt_misc qemu
  qemu=$(command -v qemu-i386 || command -v qemu-i386-static) || return 1
  [ -e $bm/register ] || deps_as_root mount -t binfmt_misc binfmt_misc $bm 2>/dev/null || return 1
  [ -e $bm/kalvorix-i386 ] ||
    printf '%s' ':kalvorix-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:'"$qemu"':F' |
    deps_as_root tee $bm/register >/dev/null 2>&1
  deps_runs_i386
}

# deps_qemu_i386: the path of a qemu-i386 that runs i386 programs, if any.
deps_qemu_i386() {
  local qemu
  qemu=$(command -v qemu-i386 || command -v qemu-i386-static) && "$qemu" /lib/ld-linux.so.2 --version >/dev/null 2>&1 &&
    echo "$qemu"
}

# deps_wine_starts win32|win64: whether that Wine's loader starts.
deps_wine_starts() {
  if [ "$1" = win32 ]; then
    /usr/lib/wine/wine --version >/dev/null 2>&1
  else
    /usr/lib/wine/wine64 --version >/dev/null 2>&1
  fi
}

# deps_i386: i386 programs run for the 32-bit unit suite: as they are, else
# through qemu registered with binfmt_misc, else through qemu-i386 named as
# CTest's emulator (KALVORIX_I386_EMULATOR).
deps_i386() {
  KALVORIX_I386_EMULATOR=
  deps_runs_i386 && return 0
  echo "deps: i386 programs don't run natively here"
  if deps_binfmt_i386; then
    echo "deps: i386 programs run through qemu, registered with binfmt_misc"
    return 0
  fi
  local qemu
  if deps_install qemu-user && qemu=$(deps_qemu_i386); then
    KALVORIX_I386_EMULATOR=$qemu
    echo "deps: no binfmt_misc here: the 32-bit unit tests run through $qemu as CTest's emulator"
    return 0
  fi
  echo "deps: this host runs no i386 program: not natively, not through binfmt_misc, not through qemu-i386"
  return 1
}

# deps_locale_ru: Wine takes its ANSI code page from the Unix locale; without
# ru_RU.UTF-8 generated it falls back to 1252 and the program's 1251 texts
# turn to mojibake.
deps_locale_ru() {
  locale -a 2>/dev/null | grep -ix 'ru_RU\.utf-\?8' >/dev/null && return 0
  deps_install locales || return 1
  deps_as_root sed -i 's/^# *\(ru_RU\.UTF-8 UTF-8\)/\1/' /etc/locale.gen || return 1
  grep -x 'ru_RU.UTF-8 UTF-8' /etc/locale.gen >/dev/null ||
    echo 'ru_RU.UTF-8 UTF-8' | deps_as_root tee -a /etc/locale.gen >/dev/null || return 1
  deps_as_root locale-gen
}

# deps_wine32: 32-bit Wine, started once; on failure deps_why says what failed.
deps_wine32() {
  local wine=(wine wine32:i386)
  if ! deps_runs_i386; then
    # All of 32-bit Wine is i386 and starts processes of its own: it needs
    # qemu registered with binfmt_misc, not only an emulator in front of it.
    if ! deps_binfmt_i386; then
      deps_why="i386 programs run here neither natively nor through qemu registered with binfmt_misc"
      return 1
    fi
    wine+=(wine64)  # a native wineserver, which every window message goes through
  fi
  if ! dpkg --print-foreign-architectures | grep -x i386 >/dev/null; then
    deps_as_root dpkg --add-architecture i386 || { deps_why="dpkg cannot add the i386 architecture"; return 1; }
    deps_lists_fresh=0
  fi
  deps_install "${wine[@]}" || { deps_why="32-bit Wine (wine32:i386) could not be installed"; return 1; }
  deps_wine_starts win32 || { deps_why="32-bit Wine does not start"; return 1; }
}

# deps_wine64: the x86_64 compilers and 64-bit Wine, amd64 packages only.
deps_wine64() {
  deps_install g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 wine wine64 ||
    { deps_why="64-bit Wine or the x86_64 compilers could not be installed"; return 1; }
  deps_wine_starts win64 || { deps_why="64-bit Wine does not start"; return 1; }
}

# deps_wine_route ARCH WHY: the build, toolchain and program of that route.
deps_wine_route() {
  export KALVORIX_WINE_ARCH=$1  # tools/win/wine-env.sh makes the prefix of this width
  KALVORIX_WINE_WHY=$2
  if [ "$1" = win32 ]; then
    KALVORIX_WINE_BUILD=build/win KALVORIX_WINE_TOOLCHAIN=cmake/mingw-i686.cmake
    KALVORIX_WINE_PROGRAM="the 32-bit kalvorix.exe, the product, under 32-bit Wine"
  else
    KALVORIX_WINE_BUILD=build/win64 KALVORIX_WINE_TOOLCHAIN=cmake/mingw-x86_64.cmake
    KALVORIX_WINE_PROGRAM="the 64-bit kalvorix.exe (cmake/mingw-x86_64.cmake) under 64-bit Wine"
  fi
  echo "deps: the Wine tests drive $KALVORIX_WINE_PROGRAM: $KALVORIX_WINE_WHY"
}

# The product's compilers (i686) on every route: where no 32-bit Wine runs
# its build and its checks that need no Wine still do.
deps_wine() {
  deps_install cmake ninja-build python3 fp-utils libchm-bin faketime unzip g++-mingw-w64-i686 \
    binutils-mingw-w64-i686 fonts-wine xvfb xauth x11-utils xdotool imagemagick ||
    { echo "deps: the packages of the Windows build could not be installed"; return 1; }
  deps_locale_ru || { echo "deps: the ru_RU.UTF-8 locale could not be generated"; return 1; }
  case ${KALVORIX_WINE_ARCH:-} in
  win32)
    deps_wine32 || { echo "deps: KALVORIX_WINE_ARCH=win32, but $deps_why"; return 1; }
    deps_wine_route win32 "KALVORIX_WINE_ARCH=win32 asks for it"
    ;;
  win64)
    deps_wine64 || { echo "deps: $deps_why"; return 1; }
    deps_wine_route win64 "KALVORIX_WINE_ARCH=win64 asks for it"
    ;;
  "")
    if deps_wine32; then
      deps_wine_route win32 "32-bit Wine runs here"
    else
      local why=$deps_why
      deps_wine64 || { echo "deps: $why, and $deps_why"; return 1; }
      deps_wine_route win64 "$why"
    fi
    ;;
  *)
    echo "deps: KALVORIX_WINE_ARCH is win32 or win64, not '$KALVORIX_WINE_ARCH'"
    return 1
    ;;
  esac
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  [ $# -gt 0 ] || set -- unit wine
  for what in "$@"; do
    case $what in
    unit) { deps_unit && deps_i386; } || exit 1 ;;
    wine) deps_wine || exit 1 ;;
    *) echo "usage: tools/deps.sh [unit] [wine]" >&2; exit 2 ;;
    esac
  done
fi
