#!/usr/bin/env bash
# kalvorix-cli.exe with its output redirected gives what the native program
# gives for the same requests, line ends aside, and ends every line of both
# streams with CR LF: short requests, and whole numbers of 100,000 digits,
# long enough for the Karatsuba and transform products as mingw compiled
# them, which it also converts back into the very number it was given.
# Runs under the Wine of tools/win/wine-env.sh.
# Usage: cli_redirected.sh WINDOWS_CLI NATIVE_CLI   (exit 1 on a fault)
set -uo pipefail
exe=${1:?usage: cli_redirected.sh WINDOWS_CLI NATIVE_CLI}
native=${2:?usage: cli_redirected.sh WINDOWS_CLI NATIVE_CLI}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
faults=0

# Each request: its arguments, one per line, then a blank line; "<" and a text
# after the arguments give its standard input.
runs=(
    "-f 10 -t 16 255 -10.5 0.1"
    "-t roman 1994 4000 -5"
    "-t all 255"
    "-t all --json -f 16 -1F"
    "--steps -f 10 -t 2 -p 8 0.1"
    "--json --steps -f 3 -t 10 0.2"
    "-f 2 102 1.2.3"
    "--help"
    "--version"
    "--bogus"
    "-t 16 <255\r\n10\n1x\n"
    "-t 16 <\xef\xbb\xbf255\r\n\r\n\x1a"
    "-t 16 <\xff\xfe2\x005\x005\x00\r\x00\n\x00\x1a\x04\r\x00\n\x00"
    "-t 10 <1\t000\n\xc2\xa01\xe2\x80\xaf000\n"
)
# same_as_native LABEL INPUT ARGS...: both programs given ARGS, and the file
# INPUT through a pipe on standard input; the Windows program's output stays
# in $work/win.out.
same_as_native() {
    local label=$1 input=$2
    shift 2
    cat "$input" | "$native" "$@" >"$work/native.out" 2>"$work/native.err"
    local native_status=${PIPESTATUS[1]}
    cat "$input" | wine "$exe" "$@" >"$work/win.out" 2>"$work/win.err"
    local win_status=${PIPESTATUS[1]}
    [ "$win_status" -eq "$native_status" ] || { echo "cli_redirected: [$label] exits $win_status, natively $native_status"; faults=$((faults + 1)); }
    local stream lines crlf
    for stream in out err; do
        if ! tr -d '\r' <"$work/win.$stream" | cmp -s - "$work/native.$stream"; then
            echo "cli_redirected: [$label] standard $stream differs from the native program's:"
            diff <(tr -d '\r' <"$work/win.$stream") "$work/native.$stream" | head -n 10 | cut -c 1-200
            faults=$((faults + 1))
        fi
        lines=$(tr -cd '\n' <"$work/win.$stream" | wc -c)
        crlf=$(grep -c $'\r$' "$work/win.$stream")
        [ "$lines" -eq "$crlf" ] || { echo "cli_redirected: [$label] a line of standard $stream ends without CR LF"; faults=$((faults + 1)); }
    done
}

for run in "${runs[@]}"; do
    args=${run%%<*}
    input=
    [ "$args" != "$run" ] && input=${run#*<}
    # shellcheck disable=SC2059
    printf "$input" >"$work/in"
    # shellcheck disable=SC2086
    same_as_native "$run" "$work/in" $args
done

# Whole numbers through standard input: a Windows command line holds at most
# 32,767 characters.
length=100000
longs=("10 2" "16 10" "7 11")
for pair in "${longs[@]}"; do
    read -r from to <<<"$pair"
    python3 -c '
import random, sys
base, seed, length = (int(a) for a in sys.argv[1:])
rng = random.Random(seed)
alphabet = "0123456789ABCDEF"[:base]
print(rng.choice(alphabet[1:]) + "".join(rng.choice(alphabet) for _ in range(length - 1)))
' "$from" "$from$to" "$length" >"$work/number"
    same_as_native "$length digits, -f $from -t $to" "$work/number" -f "$from" -t "$to"
    tr -d '\r' <"$work/win.out" >"$work/result"
    wine "$exe" -f "$to" -t "$from" <"$work/result" | tr -d '\r' | cmp -s - "$work/number" ||
        { echo "cli_redirected: [$length digits] -f $to -t $from does not give the number back"; faults=$((faults + 1)); }
done
[ "$faults" -eq 0 ] && echo "cli_redirected: ${#runs[@]} runs and ${#longs[@]} numbers of $length digits as the native program's, with CR LF"
[ "$faults" -eq 0 ]
