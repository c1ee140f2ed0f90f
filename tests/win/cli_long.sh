#!/usr/bin/env bash
# kalvorix-cli.exe on whole numbers of 100,000 digits, long enough for the
# Karatsuba and transform products as mingw compiled them: each result equals
# the native program's, and kalvorix-cli.exe converts it back into the very
# number it was given. The numbers come through standard input: a Windows
# command line holds at most 32,767 characters. Runs under the Wine of
# tools/win/wine-env.sh.
# Usage: cli_long.sh WINDOWS_CLI NATIVE_CLI   (exit 1 on a fault)
set -uo pipefail
exe=${1:?usage: cli_long.sh WINDOWS_CLI NATIVE_CLI}
native=${2:?usage: cli_long.sh WINDOWS_CLI NATIVE_CLI}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
faults=0
fault() { echo "cli_long: $*"; faults=$((faults + 1)); }
length=100000

# digits BASE SEED: $length random digits of BASE, the first not zero.
digits() {
    python3 -c '
import random, sys
base, seed, length = (int(a) for a in sys.argv[1:])
rng = random.Random(seed)
alphabet = "0123456789ABCDEF"[:base]
print(rng.choice(alphabet[1:]) + "".join(rng.choice(alphabet) for _ in range(length - 1)))
' "$1" "$2" "$length"
}

# windows FROM TO IN OUT: kalvorix-cli.exe converts IN into OUT, line ends made LF.
windows() {
    wine "$exe" -f "$1" -t "$2" <"$3" >"$work/raw" 2>"$work/err" || { fault "-f $1 -t $2 exits $?: $(head -c 300 "$work/err")"; return 1; }
    tr -d '\r' <"$work/raw" >"$4"
}

for run in "10 2" "16 10" "7 11"; do
    read -r from to <<<"$run"
    digits "$from" "$from$to" >"$work/number"
    windows "$from" "$to" "$work/number" "$work/win" || continue
    "$native" -f "$from" -t "$to" <"$work/number" >"$work/native" || fault "the native program fails -f $from -t $to"
    cmp -s "$work/win" "$work/native" ||
        fault "-f $from -t $to: $(wc -c <"$work/win") bytes from kalvorix-cli.exe, $(wc -c <"$work/native") natively, first difference: $(cmp "$work/win" "$work/native" 2>&1 | head -n 1)"
    windows "$to" "$from" "$work/win" "$work/back" || continue
    cmp -s "$work/back" "$work/number" || fault "-f $to -t $from does not give the number back"
done
[ "$faults" -eq 0 ] && echo "cli_long: three numbers of $length digits as the native program converts them, and back"
[ "$faults" -eq 0 ]
