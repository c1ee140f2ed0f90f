#!/usr/bin/env bash
# Builds and runs every test: the unit tests once plainly (Release), once
# under AddressSanitizer and UndefinedBehaviorSanitizer and once as a 32-bit
# build (-m32, the width of the Windows program), a short run of every
# libFuzzer target (clang, with both sanitizers), then kalvorix.exe,
# cross-built with mingw-w64, driven through its window under Wine on a
# virtual display. Installs what is missing with apt-get. Ends with the line
# "N passed, M failed".
set -uo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
need_packages cmake ninja-build g++ g++-multilib clang libclang-rt-14-dev libgtest-dev libbenchmark-dev python3 bc \
    groff-base man-db faketime unzip \
    fp-utils libchm-bin libgmp-dev || exit 1

passed=0
failed=0

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
    local bad total
    bad=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$summary")
    total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$summary")
    passed=$((passed + total - bad))
    failed=$((failed + bad))
}

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
if cmake -S /usr/src/googletest -B "$gtest32" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS=-m32 \
        -DCMAKE_C_FLAGS=-m32 -DBUILD_GMOCK=OFF -DCMAKE_INSTALL_PREFIX="$PWD/$gtest32/installed" >"$gtest32.log" 2>&1 \
    && cmake --build "$gtest32" -j 2 >>"$gtest32.log" 2>&1 && cmake --install "$gtest32" >>"$gtest32.log" 2>&1; then
    run_suite "unit tests, 32-bit" build/m32 2 -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS=-m32 \
        -DGTest_DIR="$PWD/$gtest32/installed/lib/cmake/GTest" -DKALVORIX_AVX2=OFF -DKALVORIX_BENCH=OFF -DKALVORIX_HELP=OFF
else
    cat "$gtest32.log"; echo "the 32-bit GoogleTest could not be built"; failed=$((failed + 1))
fi
run_suite "fuzzing" build/fuzz 2 -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKALVORIX_FUZZ=ON -DKALVORIX_HELP=OFF

# The window tests share one desktop, pointer and focus: one at a time.
if bash tools/win/install-deps.sh && source tools/win/wine-env.sh build/win; then
    run_suite "kalvorix.exe under Wine" build/win 1 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
        -DCMAKE_BUILD_TYPE=Release -DKALVORIX_WINE_TESTS=ON -DCMAKE_CROSSCOMPILING_EMULATOR=wine -DKALVORIX_HELP=ON \
        -DKALVORIX_NATIVE_CLI="$PWD/build/release/cli/kalvorix-cli"
else
    echo "the Windows build and Wine could not be set up"
    failed=$((failed + 1))
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
