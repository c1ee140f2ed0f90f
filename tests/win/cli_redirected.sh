#!/usr/bin/env bash
# kalvorix-cli.exe with its output redirected gives what the native program
# gives for the same requests, line ends aside, and ends every line of both
# streams with CR LF. Runs under the Wine of tools/win/wine-env.sh.
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
for run in "${runs[@]}"; do
    args=${run%%<*}
    input=
    [ "$args" != "$run" ] && input=${run#*<}
    # shellcheck disable=SC2086
    printf "$input" | "$native" $args >"$work/native.out" 2>"$work/native.err"
    native_status=$?
    # shellcheck disable=SC2086
    printf "$input" | wine "$exe" $args >"$work/win.out" 2>"$work/win.err"
    win_status=$?
    [ "$win_status" -eq "$native_status" ] || { echo "cli_redirected: [$run] exits $win_status, natively $native_status"; faults=$((faults + 1)); }
    for stream in out err; do
        if ! tr -d '\r' <"$work/win.$stream" | cmp -s - "$work/native.$stream"; then
            echo "cli_redirected: [$run] standard $stream differs from the native program's:"
            diff <(tr -d '\r' <"$work/win.$stream") "$work/native.$stream" | head -n 10
            faults=$((faults + 1))
        fi
        lines=$(tr -cd '\n' <"$work/win.$stream" | wc -c)
        crlf=$(grep -c $'\r$' "$work/win.$stream")
        [ "$lines" -eq "$crlf" ] || { echo "cli_redirected: [$run] a line of standard $stream ends without CR LF"; faults=$((faults + 1)); }
    done
done
[ "$faults" -eq 0 ] && echo "cli_redirected: ${#runs[@]} runs as the native program's, with CR LF"
[ "$faults" -eq 0 ]
