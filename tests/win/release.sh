#!/usr/bin/env bash
# The release archive as a user gets it: unpacked into a fresh folder, its
# checksum, its readme (Windows-1251, CR LF), kalvorix.exe started from there
# (the window, and HOME finding help.chm beside it) and kalvorix-cli.exe
# converting a number. Runs under the Wine of tools/win/wine-env.sh.
# Usage: release.sh ZIP DRIVER_EXE   (exit 1 on a fault)
set -uo pipefail
zip=${1:?usage: release.sh ZIP DRIVER_EXE}
driver=${2:?usage: release.sh ZIP DRIVER_EXE}
faults=0
fault() { echo "release: $*"; faults=$((faults + 1)); }

folder=$(mktemp -d "$(dirname "$zip")/unpacked-XXXXXX")
trap 'rm -rf "$folder"' EXIT
(cd "$(dirname "$zip")" && sha256sum --check --quiet SHA256SUMS) || fault "SHA256SUMS does not match the archive"
unzip -q "$zip" -d "$folder" || fault "cannot unpack $zip"
listed=$(cd "$folder" && ls | tr '\n' ' ')
[ "$listed" = "help.chm kalvorix-cli.exe kalvorix.exe readme.txt " ] || fault "the archive holds $listed"

readme=$folder/readme.txt
iconv -f UTF-8 -t UTF-8 "$readme" >/dev/null 2>&1 && fault "readme.txt is UTF-8, not Windows-1251"
# grep reads to the end: a grep -q that quits early would fail the pipe.
iconv -f CP1251 -t UTF-8 "$readme" | grep '^Kalvorix [0-9.]* — калькулятор систем счисления' >/dev/null ||
    fault "readme.txt does not begin with the program's name and version in Windows-1251"
[ "$(tr -cd '\n' <"$readme" | wc -c)" -gt 10 ] && [ "$(grep -c $'\r$' "$readme")" -eq "$(tr -cd '\n' <"$readme" | wc -c)" ] ||
    fault "readme.txt has a line that does not end with CR LF"

converted=$(wine "$folder/kalvorix-cli.exe" -f 10 -t 16 255 2>&1)
[ "$converted" = $'FF\r' ] || fault "kalvorix-cli.exe -f 10 -t 16 255 printed '$converted'"

for test in FreshStart HelpKey; do
    wine "$driver" "$test" "$folder/kalvorix.exe" || fault "the unpacked kalvorix.exe fails $test"
done
[ "$faults" -eq 0 ] && echo "release: $(basename "$zip") unpacks and runs"
[ "$faults" -eq 0 ]
