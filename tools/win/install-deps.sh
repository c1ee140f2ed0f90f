#!/usr/bin/env bash
# Installs what building the Windows program and testing it under Wine needs,
# on Debian 12, and makes the system ready for it: packages, the ru_RU.UTF-8
# locale, and where needed the binfmt registration of qemu for i386 programs.
# The one script that changes the system; tools/win/wine-env.sh only uses it.
# Idempotent: does only what is missing. Needs root (or sudo).
# Usage: tools/win/install-deps.sh
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
# 32-bit Wine runs under qemu-user, registered with binfmt_misc below.
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
        # Backports from the very Debian archive this machine already uses.
        mirror=$(apt-get indextargets --format '$(REPO_URI)' "Codename: $VERSION_CODENAME" \
          'Origin: Debian' 'Label: Debian' 2>/dev/null | head -n 1)
        if [ -z "$mirror" ]; then
          echo "install-deps: no Debian $VERSION_CODENAME source is configured for apt;" \
            "add one, or install qemu-user 8 or newer by hand" >&2
          exit 1
        fi
        printf '%s\n' 'Types: deb' "URIs: $mirror" \
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
  # The registration is lost at reboot: made again whenever it is missing.
  bm=/proc/sys/fs/binfmt_misc
  qemu=$(command -v qemu-i386 || command -v qemu-i386-static)
  [ -e $bm/register ] || $SUDO mount -t binfmt_misc binfmt_misc $bm
  [ -e $bm/kalvorix-i386 ] ||
    printf '%s' ':kalvorix-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:'"$qemu"':F' |
      $SUDO tee $bm/register >/dev/null
  /lib/ld-linux.so.2 --version >/dev/null 2>&1 || { echo "install-deps: i386 programs still don't run" >&2; exit 1; }
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
