#!/usr/bin/env bash
# Builds and runs every test: the unit tests once plainly (Release), once
# under AddressSanitizer and UndefinedBehaviorSanitizer and once as a 32-bit
# build (-m32, the width of the Windows program), a short run of every
# libFuzzer target (clang, with both sanitizers), then kalvorix.exe,
# cross-built with mingw-w64, driven through its window under Wine on a
# virtual display. Makes the host ready first (tools/deps.sh): the packages,
# a way to run i386 programs, and the Wine route: the 32-bit program under
# 32-bit Wine where that can be installed and runs, else the same program
# built for x86_64 under 64-bit Wine (KALVORIX_WINE_ARCH=win64 forces it).
# Ends with the line "N passed, M failed" (", K skipped" when some were).
set -uo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh

passed=0
failed=0
skipped=0

# run_suite NAME BUILD_DIR JOBS CMAKE_ARGS...: configures, builds and runs one ctest suite.
run_suite() {
    local name=$1 dir=$2 jobs=$3
    shift 3
    echo "== $name"
    mkdir -p "$dir"
    if ! cmake -S . -B "$dir" -G Ninja "$@" >"$dir/configure.log" 2>&1; then
        cat "$dir/configure.log"; failed=$((failed + 1)); return
    fi
    if ! cmake --build "$dir" -j 2; then
        echo "build of $name failed"; failed=$((failed + 1)); return
    fi
    local log="$dir/ctest.log"
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --test-dir "$dir" --output-on-failure -j "$jobs" 2>&1 | tee "$log"
    local summary
    summary=$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
    if [ -z "$summary" ]; then
        echo "no test summary from $name"; failed=$((failed + 1)); return
    fi
    local bad total skip
    bad=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$summary")
    total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$summary")
    # CTest counts a skipped test as not failed; here it is neither passed.
    skip=$(grep -cE '^[[:space:]]*[0-9]+ - .* \(Skipped\)$' "$log")
    passed=$((passed + total - bad - skip))
    failed=$((failed + bad))
    skipped=$((skipped + skip))
}

# The host first: nothing 32-bit is built or run before it can run.
if ! deps_unit; then
    echo "0 passed, 1 failed"
    exit 1
fi
i386_ready=1
deps_i386 || { i386_ready=0; failed=$((failed + 1)); }
wine_ready=1
deps_wine || { wine_ready=0; failed=$((failed + 1)); }

mkdir -p build
run_suite "unit tests" build/release 2 -DCMAKE_BUILD_TYPE=Release -DKALVORIX_HELP=ON
# Once more on the plain loops, the only ones the Windows program has (cpu.h).
KALVORIX_PLAIN_LOOPS=1 run_suite "unit tests, plain loops" build/release 2 -DCMAKE_BUILD_TYPE=Release -DKALVORIX_HELP=ON
run_suite "unit tests under sanitizers" build/sanitize 2 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKALVORIX_SANITIZE=ON -DKALVORIX_BENCH=OFF
# Debian's GoogleTest is 64-bit only: the 32-bit suite builds its own from
# the sources that libgtest-dev ships. It has the plain loops only, as the
# Windows program has them (the other builds run the AVX2 copies, cpu.h).
gtest32=build/gtest32
if [ "$i386_ready" -eq 0 ]; then
    echo "== unit tests, 32-bit: not run, this host runs no i386 program (see above)"
elif cmake -S /usr/src/googletest -B "$gtest32" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS=-m32 \
        -DCMAKE_C_FLAGS=-m32 -DBUILD_GMOCK=OFF -DCMAKE_INSTALL_PREFIX="$PWD/$gtest32/installed" >"$gtest32.log" 2>&1 \
    && cmake --build "$gtest32" -j 2 >>"$gtest32.log" 2>&1 && cmake --install "$gtest32" >>"$gtest32.log" 2>&1; then
    # The emulator is empty where i386 programs run as they are; named every
    # time, so that a build folder does not keep one from an earlier run.
    run_suite "unit tests, 32-bit" build/m32 2 -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS=-m32 \
        -DGTest_DIR="$PWD/$gtest32/installed/lib/cmake/GTest" -DKALVORIX_AVX2=OFF -DKALVORIX_BENCH=OFF \
        -DKALVORIX_HELP=OFF -DCMAKE_CROSSCOMPILING_EMULATOR="$KALVORIX_I386_EMULATOR"
else
    cat "$gtest32.log"; echo "the 32-bit GoogleTest could not be built"; failed=$((failed + 1))
fi
run_suite "fuzzing" build/fuzz 2 -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKALVORIX_FUZZ=ON -DKALVORIX_HELP=OFF

# Where the Wine suite drives the 64-bit build, the product is still built,
# and checked in what needs no Wine: its imports and its help file.
if [ "$wine_ready" -eq 1 ] && [ "$KALVORIX_WINE_ARCH" = win64 ]; then
    run_suite "kalvorix.exe, 32-bit, without Wine" build/win 2 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
        -DCMAKE_BUILD_TYPE=Release -DKALVORIX_WINE_TESTS=OFF -DCMAKE_CROSSCOMPILING_EMULATOR= -DKALVORIX_HELP=ON
fi
# The window tests share one desktop, pointer and focus: one at a time.
if [ "$wine_ready" -eq 1 ] && source tools/win/wine-env.sh "$KALVORIX_WINE_BUILD"; then
    run_suite "kalvorix.exe under Wine ($KALVORIX_WINE_ARCH)" "$KALVORIX_WINE_BUILD" 1 \
        -DCMAKE_TOOLCHAIN_FILE="$KALVORIX_WINE_TOOLCHAIN" -DCMAKE_BUILD_TYPE=Release -DKALVORIX_WINE_TESTS=ON \
        -DCMAKE_CROSSCOMPILING_EMULATOR=wine -DKALVORIX_HELP=ON -DKALVORIX_NATIVE_CLI="$PWD/build/release/cli/kalvorix-cli"
    echo "The Wine suite drove $KALVORIX_WINE_PROGRAM: $KALVORIX_WINE_WHY."
else
    echo "The Windows build and Wine could not be set up: the Wine suite did not run."
    [ "$wine_ready" -eq 0 ] || failed=$((failed + 1))
fi

summary="$passed passed, $failed failed"
[ "$skipped" -eq 0 ] || summary+=", $skipped skipped"
echo "$summary"
[ "$failed" -eq 0 ]
