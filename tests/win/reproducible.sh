#!/usr/bin/env bash
# Two builds of one commit on different days give the same release archive:
# a second build tree is configured like the first and built with the clock
# three days ahead (faketime), and its archive must equal the first, byte for
# byte. Usage: reproducible.sh ZIP SOURCE_DIR WORK_DIR CMAKE_ARGS...
set -uo pipefail
zip=${1:?usage: reproducible.sh ZIP SOURCE_DIR WORK_DIR CMAKE_ARGS...}
source_dir=${2:?usage: reproducible.sh ZIP SOURCE_DIR WORK_DIR CMAKE_ARGS...}
work=${3:?usage: reproducible.sh ZIP SOURCE_DIR WORK_DIR CMAKE_ARGS...}
shift 3
command -v faketime >/dev/null || { echo "reproducible: needs faketime (Debian package faketime)"; exit 1; }

rm -rf "$work"
faketime -f '+3d' cmake -S "$source_dir" -B "$work" "$@" >"$work.log" 2>&1 &&
    faketime -f '+3d' cmake --build "$work" -j 2 --target package >>"$work.log" 2>&1 ||
    { cat "$work.log"; echo "reproducible: the second build failed"; exit 1; }
again=$work/release/$(basename "$zip")
if ! cmp "$zip" "$again"; then
    unzip -lv "$zip"
    unzip -lv "$again"
    echo "reproducible: the archive of the second build differs"
    exit 1
fi
cmp -s "$(dirname "$zip")/SHA256SUMS" "$work/release/SHA256SUMS" || { echo "reproducible: SHA256SUMS differ"; exit 1; }
rm -rf "$work" "$work.log"
echo "reproducible: $(basename "$zip") is the same from a build three days later"
