#!/usr/bin/env bash
# Installs what building the Windows program and testing it under Wine needs,
# on Debian 12. Idempotent: installs only what is missing; a no-op otherwise.
# Needs root (or sudo). Usage: tools/win/install-deps.sh
set -euo pipefail

export DEBIAN_FRONTEND=noninteractive
SUDO=
[ "$(id -u)" -eq 0 ] || SUDO=sudo

# pkg[:arch] -> installed? (dpkg-query prints nothing useful for unknown ones)
installed() {
  [ "$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null)" = installed ]
}

# wine32 is an i386 package; WINEARCH=win32 needs it rather than wine64.
need_update=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
  need_update=1
fi

pkgs=(
  g++-mingw-w64-i686 binutils-mingw-w64-i686  # cross compiler, windres, objdump
  wine wine32:i386 fonts-wine                 # Wine's own fonts include Tahoma
  xvfb xauth x11-utils xdotool                # headless X, xwininfo, window lookup
  imagemagick                                 # `import` takes screenshots
  locales                                     # ru_RU.UTF-8 gives Wine code page 1251
)
missing=()
for p in "${pkgs[@]}"; do installed "$p" || missing+=("$p"); done

if [ "${#missing[@]}" -gt 0 ] || [ "$need_update" -eq 1 ]; then
  # Unreachable third-party sources only warn; the Debian ones are what count.
  $SUDO apt-get update -q || true
fi
if [ "${#missing[@]}" -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}"
  # Recommends pull in sound, GL, printing and media libraries tests don't use.
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Where the kernel won't run i386 programs (some VMs have no IA-32 emulation),
# 32-bit Wine runs under qemu-user (wine-env.sh registers it with binfmt_misc).
# qemu older than 8 lacks MAP_FIXED_NOREPLACE and Wine hangs reserving its
# address space, so on bookworm it comes from bookworm-backports. wine64 adds
# a native wineserver, which every window message goes through.
if ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
  qv=$(dpkg-query -W -f='${Version}' qemu-user 2>/dev/null || true)
  if ! installed qemu-user || dpkg --compare-versions "$qv" lt 1:8 || ! installed wine64; then
    . /etc/os-release
    src=()
    if [ "$VERSION_CODENAME" = bookworm ]; then
      if ! apt-cache policy | grep -q 'bookworm-backports/main'; then
        printf '%s\n' 'Types: deb' 'URIs: http://deb.debian.org/debian' \
          'Suites: bookworm-backports' 'Components: main' \
          'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' |
          $SUDO tee /etc/apt/sources.list.d/bookworm-backports.sources >/dev/null
        $SUDO apt-get update -q || true
      fi
      src=(-t bookworm-backports)
    fi
    echo "install-deps: i386 programs don't run natively: installing qemu-user, wine64"
    $SUDO apt-get install -y -q --no-install-recommends "${src[@]}" qemu-user
    $SUDO apt-get install -y -q --no-install-recommends wine64
  fi
fi
[ "${#missing[@]}" -gt 0 ] || echo "install-deps: all present"

# Wine takes its ANSI code page from the Unix locale: without ru_RU.UTF-8
# generated, it falls back to 1252 and the program's 1251 texts turn to mojibake.
if ! locale -a 2>/dev/null | grep -qix 'ru_RU\.utf-\?8'; then
  $SUDO sed -i 's/^# *\(ru_RU\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -qx 'ru_RU.UTF-8 UTF-8' /etc/locale.gen ||
    echo 'ru_RU.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen
fi
