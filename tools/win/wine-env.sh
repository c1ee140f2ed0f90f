# Source me: sets up a private Wine for running and testing the Windows
# program headless.  Usage:  source tools/win/wine-env.sh BUILD_DIR
# Afterwards `wine prog.exe` runs in BUILD_DIR/wineprefix on a virtual desktop.
# The prefix is 32-bit, or 64-bit with KALVORIX_WINE_ARCH=win64 (for the
# build of cmake/mingw-x86_64.cmake; 64-bit Wine needs no i386 package).
# The wineserver stays up (persistent) until kalvorix_wine_stop.
# Functions: kalvorix_wine_winxp on|off  (what GetVersionEx tells kalvorix.exe)
#            kalvorix_wine_stop          (wineserver -k, and Xvfb if started here;
#                                         also run from an EXIT trap set here)
# Settings:  KALVORIX_WINE_DESKTOP=800x600 (virtual desktop and Xvfb size)
# Changes nothing on the system: what it needs is installed and set up by
# tools/deps.sh, which it names when something is missing.

kalvorix_wine_setup() {
  local build=${1:?usage: source wine-env.sh BUILD_DIR}
  local size=${KALVORIX_WINE_DESKTOP:-800x600}
  mkdir -p "$build" || return
  build=$(cd "$build" && pwd) || return

  local arch=${KALVORIX_WINE_ARCH:-win32}
  case $arch in
    win32 | win64) ;;
    *) echo "wine-env: KALVORIX_WINE_ARCH is win32 or win64, not '$arch'" >&2; return 1 ;;
  esac
  export WINEPREFIX="$build/wineprefix" WINEARCH=$arch WINEDEBUG=${WINEDEBUG:--all}
  # No Mono/Gecko installer dialogs; no menu entries written to $HOME.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  # Wine picks the ANSI code page from the Unix locale: ru_RU gives 1251.
  # An ungenerated locale silently falls back to C, i.e. code page 1252.
  if ! locale -a 2>/dev/null | grep -ix 'ru_RU\.utf-\?8' >/dev/null; then
    echo "wine-env: the ru_RU.UTF-8 locale is not generated: run tools/deps.sh wine" >&2
    return 1
  fi
  export LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8

  # All of 32-bit Wine is i386; where the kernel refuses i386 programs,
  # tools/deps.sh registers qemu for them (again after a reboot).
  if [ "$arch" = win32 ] && ! deps_runs_i386; then
    echo "wine-env: i386 programs don't run here: run tools/deps.sh wine" >&2
    return 1
  fi
  local tool
  for tool in wine wineserver Xvfb xwininfo; do
    command -v "$tool" >/dev/null 2>&1 ||
      { echo "wine-env: $tool is missing: run tools/deps.sh wine" >&2; return 1; }
  done

  # A private X server when there is no display; its size matches the desktop.
  if [ -z "${DISPLAY:-}" ]; then
    local n=90
    while [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ]; do n=$((n + 1)); done
    Xvfb :$n -screen 0 "${size}x24" -nolisten tcp >"$build/xvfb.log" 2>&1 &
    KALVORIX_XVFB_PID=$!
    export DISPLAY=:$n
    local i
    for i in $(seq 50); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.1; done
    xwininfo -root >/dev/null 2>&1 || { echo "wine-env: Xvfb did not start, see $build/xvfb.log" >&2; return 1; }
  fi
  trap kalvorix_wine_stop EXIT

  if [ ! -f "$WINEPREFIX/.kalvorix-ready" ]; then
    wineboot --init || return
    # Wine did not pick up its own fonts from /usr/share/wine/fonts here, so
    # Tahoma, MS Shell Dlg and Marlett (caption buttons) fell back to DejaVu.
    ln -sf /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" || return
    # One desktop for all processes of the prefix: the test driver and the
    # program share it, and it is one X window for screenshots, with no WM.
    cat >"$build/wine-settings.reg" <<EOF
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]
"Default"="$size"
EOF
    wine regedit /S "$build/wine-settings.reg" || return
    wineserver -w  # registry is written out when the server exits
    touch "$WINEPREFIX/.kalvorix-ready"
  fi
  # Under emulation each cold start costs seconds: keep the server and the
  # prefix services up until kalvorix_wine_stop (then a start takes ~0.3 s).
  wineserver -p && wineboot
}

# on: kalvorix.exe is told it runs on Windows XP SP3; off: Wine's default (7).
kalvorix_wine_winxp() {
  local key='HKCU\Software\Wine\AppDefaults\kalvorix.exe'
  case ${1:-on} in
    on) wine reg add "$key" /v Version /d winxp /f >/dev/null ;;
    off) wine reg delete "$key" /v Version /f >/dev/null 2>&1 || true ;;
    *) echo "usage: kalvorix_wine_winxp on|off" >&2; return 2 ;;
  esac
}

kalvorix_wine_stop() {
  # -w: wait until the server is gone, so a next start can't race with it.
  { wineserver -k && wineserver -w; } 2>/dev/null || true
  if [ -n "${KALVORIX_XVFB_PID:-}" ]; then
    { kill "$KALVORIX_XVFB_PID" && wait "$KALVORIX_XVFB_PID"; } 2>/dev/null || true
    unset KALVORIX_XVFB_PID DISPLAY
  fi
  return 0
}

source "$(dirname "${BASH_SOURCE[0]}")/../deps.sh"  # deps_runs_i386
kalvorix_wine_setup "$@"
