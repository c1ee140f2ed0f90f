#!/usr/bin/env bash
# Builds and runs every test: the unit tests once plainly (Release) and once
# under AddressSanitizer and UndefinedBehaviorSanitizer. Installs what is
# missing with apt-get. Ends with the line "N passed, M failed".
set -uo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
need_packages cmake ninja-build g++ libgtest-dev libbenchmark-dev || exit 1

passed=0
failed=0

# run_suite NAME BUILD_DIR CMAKE_ARGS...: configures, builds and runs one ctest suite.
run_suite() {
    local name=$1 dir=$2
    shift 2
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
        ctest --test-dir "$dir" --output-on-failure -j 2 2>&1 | tee "$log"
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
run_suite "unit tests" build/release -DCMAKE_BUILD_TYPE=Release
run_suite "unit tests under sanitizers" build/sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKALVORIX_SANITIZE=ON -DKALVORIX_BENCH=OFF

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
