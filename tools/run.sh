#!/usr/bin/env bash
# Builds kalvorix.exe and starts it under Wine in build/run, where kalvor.ini
# is kept from one run to the next. Makes the host ready first and takes the
# route of the tests (tools/deps.sh): the 32-bit program under 32-bit Wine
# where that can be installed and runs, else the program built for x86_64
# under 64-bit Wine (KALVORIX_WINE_ARCH=win64 forces it).
# Without a display it starts a virtual one, saves a screenshot of the window
# (its path is printed) and closes the program with Escape.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
deps_wine || exit 1

build=$KALVORIX_WINE_BUILD
headless=0
[ -n "${DISPLAY:-}" ] || headless=1
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$KALVORIX_WINE_TOOLCHAIN" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target kalvorix
# The title carries the version of project(VERSION), through the header made from it.
version=$(sed -n 's/^#define KALVORIX_VERSION_TEXT "\(.*\)"$/\1/p' "$build/generated/version.h")
title="Kalvorix $version для Windows"
mkdir -p build/run
cp "$build/app/win/kalvorix.exe" build/run/
[ ! -f "$build/help/help.chm" ] || cp "$build/help/help.chm" build/run/
source tools/win/wine-env.sh "$build"
cd build/run

if [ "$headless" -eq 0 ]; then
    wine kalvorix.exe
    exit 0
fi

wine kalvorix.exe &
program=$!
found=0
for _ in $(seq 120); do
    xdotool search --name "^${title//./\\.}\$" >/dev/null 2>&1 && { found=1; break; }
    sleep 0.5
done
[ "$found" -eq 1 ] || echo "no window named '$title' within a minute; the screenshot shows what there is"
sleep 2  # let the skin paint
shot="$PWD/kalvorix.png"
bash ../../tools/win/screenshot.sh "$shot"
echo "screenshot of the window: $shot"
# Escape reaches the program, which has the focus, and runs its exit
# sequence, which writes kalvor.ini.
xdotool key Escape
for _ in $(seq 40); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.5
done
kill -0 "$program" 2>/dev/null && { echo "the program did not close; stopping Wine"; wineserver -k; }
wait "$program" 2>/dev/null || true
echo "$title closed; settings in $PWD/kalvor.ini: $(cat kalvor.ini 2>/dev/null)"
