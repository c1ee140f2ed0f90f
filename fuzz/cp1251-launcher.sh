#!/usr/bin/env bash
# Compiler launcher for clang, which knows no -fexec-charset but UTF-8: the
# source is preprocessed as UTF-8 (comments go, headers come in), the result is
# recoded to Windows-1251 and compiled with its string bytes taken verbatim. So
# every literal is the same bytes as in the GCC builds. A character that has no
# Windows-1251 code stops the build, as it does under GCC.
# Usage (CMAKE_CXX_COMPILER_LAUNCHER): cp1251-launcher.sh COMPILER ARGS...
set -euo pipefail
compiler=$1
shift

flags=()      # everything but the two charset options
for arg in "$@"; do
    case $arg in
        -finput-charset=UTF-8 | -fexec-charset=CP1251) ;;
        *) flags+=("$arg") ;;
    esac
done

source_file=""
object=""
preprocess=()  # the flags for the preprocessing run: all but -c SRC and -o OBJ
compile=()     # the flags for compiling the recoded text: no preprocessor ones
expect=""
for arg in "${flags[@]}"; do
    case $expect in
        source) source_file=$arg; expect=""; continue ;;
        object) object=$arg; expect=""; continue ;;
        preprocessor) preprocess+=("$arg"); expect=""; continue ;;
    esac
    case $arg in
        -c) expect=source ;;
        -o) expect=object ;;
        -MT | -MF | -MQ | -isystem | -iquote | -include | -idirafter) preprocess+=("$arg"); expect=preprocessor ;;
        -MD | -MMD | -I* | -D* | -U*) preprocess+=("$arg") ;;
        *) preprocess+=("$arg"); compile+=("$arg") ;;
    esac
done
if [ -z "$source_file" ] || [ -z "$object" ]; then
    exec "$compiler" "${flags[@]}"  # not a compilation of one source
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$compiler" "${preprocess[@]}" -E "$source_file" -o "$work/utf8.ii"
iconv -f UTF-8 -t CP1251 "$work/utf8.ii" >"$work/cp1251.ii"
"$compiler" "${compile[@]}" -Wno-invalid-source-encoding -x c++-cpp-output -c "$work/cp1251.ii" -o "$object"
