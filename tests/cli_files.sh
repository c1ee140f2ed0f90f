#!/usr/bin/env bash
# The files kalvorix-cli is installed with, checked as a user meets them:
#   cli_files.sh install BUILD_DIR VERSION [EMULATOR...]
#                                            cmake --install puts the program, its
#                                            manual page and its completion under a
#                                            prefix; the program runs through EMULATOR
#   cli_files.sh manual MANUAL_PAGE          the page formats without a warning
#   cli_files.sh completion SCRIPT           options and system names complete
set -uo pipefail
faults=0
fault() { echo "cli_files: $*"; faults=$((faults + 1)); }

case ${1:-} in
install)
    build=${2:?} version=${3:?}
    shift 3
    root=$(mktemp -d)
    trap 'rm -rf "$root"' EXIT
    DESTDIR=$root cmake --install "$build" --prefix /usr/local >/dev/null || fault "cmake --install failed"
    for f in bin/kalvorix-cli share/man/man1/kalvorix-cli.1 share/bash-completion/completions/kalvorix-cli; do
        [ -f "$root/usr/local/$f" ] || fault "$f is not installed"
    done
    [ -x "$root/usr/local/bin/kalvorix-cli" ] || fault "bin/kalvorix-cli is not executable"
    shown=$("$@" "$root/usr/local/bin/kalvorix-cli" --version)
    [ "$shown" = "kalvorix-cli $version" ] || fault "the installed program says '$shown'"
    grep -q "Kalvorix $version" "$root/usr/local/share/man/man1/kalvorix-cli.1" || fault "the page names no version $version"
    ;;
manual)
    page=${2:?}
    warnings=$(groff -k -ww -Tutf8 -man -z "$page" 2>&1) || fault "groff fails on $page"
    [ -z "$warnings" ] || fault "groff warns: $warnings"
    if locale -a 2>/dev/null | grep -ix 'ru_RU\.utf-\?8' >/dev/null; then
        warnings=$(LC_ALL=ru_RU.UTF-8 man --warnings -l "$page" 2>&1 >/dev/null)
        [ -z "$warnings" ] || fault "man warns: $warnings"
        LC_ALL=ru_RU.UTF-8 MANWIDTH=80 man -l "$page" 2>/dev/null | grep 'перевод чисел между системами счисления' >/dev/null ||
            fault "the page does not read in Russian"
    fi
    ;;
completion)
    script=${2:?}
    # complete WORD...: what completing the last word offers, one line.
    complete_words() {
        (
            source "$script"
            COMP_WORDS=("$@")
            COMP_CWORD=$(($# - 1))
            _kalvorix_cli
            echo "${COMPREPLY[*]}"
        )
    }
    [ "$(complete_words kalvorix-cli -t '')" = "2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 roman all" ] ||
        fault "-t offers '$(complete_words kalvorix-cli -t '')'"
    [ "$(complete_words kalvorix-cli -f r)" = "roman" ] || fault "-f r offers '$(complete_words kalvorix-cli -f r)'"
    [ "$(complete_words kalvorix-cli -f a)" = "" ] || fault "-f offers all, which is no source system"
    [ "$(complete_words kalvorix-cli --j)" = "--json" ] || fault "--j offers '$(complete_words kalvorix-cli --j)'"
    [ "$(complete_words kalvorix-cli --ver)" = "--version" ] || fault "--ver does not complete"
    [ "$(complete_words kalvorix-cli -- --j)" = "" ] || fault "after -- an option is offered"
    [ "$(complete_words kalvorix-cli -p '')" = "" ] || fault "a precision is offered something"
    [ "$(complete_words kalvorix-cli --float '')" = "16 32 64" ] || fault "--float offers '$(complete_words kalvorix-cli --float '')'"
    [ "$(complete_words kalvorix-cli --code 1)" = "16" ] || fault "--code 1 offers '$(complete_words kalvorix-cli --code 1)'"
    [ "$(complete_words kalvorix-cli --dec)" = "--decode --decode-float" ] || fault "--dec offers '$(complete_words kalvorix-cli --dec)'"
    [ "$(complete_words kalvorix-cli --ar)" = "--arith" ] || fault "--ar offers '$(complete_words kalvorix-cli --ar)'"
    [ "$(complete_words kalvorix-cli --arith -f r)" = "" ] || fault "--arith -f offers roman, which is no base"
    [ "$(complete_words kalvorix-cli --arith -t r)" = "roman" ] || fault "--arith -t does not offer roman"
    [ "$(complete_words kalvorix-cli --arith -t a)" = "" ] || fault "--arith -t offers all"
    ;;
*)
    echo "usage: cli_files.sh install|manual|completion ..."
    exit 2
    ;;
esac
[ "$faults" -eq 0 ]
