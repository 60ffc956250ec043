#!/bin/bash
# Builds the benchmarks in a Release tree without sanitizers (build/bench; the test tree
# build/native keeps its sanitizers) and runs each of them, then the measurements under Wine.
# Every figure is one line of output. The machine's other work makes the figures noisy: the
# benchmarks report the best of several rounds.
#   scripts/bench.sh            native benchmarks, then the Wine measurements
#   scripts/bench.sh native     only the native benchmarks
#   scripts/bench.sh wine       only the Wine measurements
#   BENCH_WINE_FILTER='MarneloBench.*Repaint*' scripts/bench.sh wine    one of them
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
REPO_ROOT=$(pwd)

BENCH_DIR=build/bench
E2E_DIR=build/win/bin
E2E_EXE=marnelo_e2e.exe
BENCH_TIMEOUT=${BENCH_TIMEOUT:-1200} # seconds for the Wine measurements together

status=0

# Native: every executable of bench/CMakeLists.txt, found by its add_executable line, so that
# a new benchmark needs no change here.
run_native() {
    echo "== build benchmarks (Release, no sanitizers, $BENCH_DIR)"
    # -O2 as in the programs' own build (RelWithDebInfo), so that a figure says what they do.
    if [ ! -f "$BENCH_DIR/CMakeCache.txt" ] || [ ! -f "$BENCH_DIR/Makefile" ]; then
        cmake -S . -B "$BENCH_DIR" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
            -DMARNELO_SANITIZE=OFF >&2
    fi
    local benches
    mapfile -t benches < <(sed -n 's/^add_executable(\([A-Za-z0-9_]*\) .*/\1/p' bench/CMakeLists.txt)
    cmake --build "$BENCH_DIR" -j2 --target "${benches[@]}" >&2
    local bench
    for bench in "${benches[@]}"; do
        echo "== $bench"
        "$BENCH_DIR/bench/$bench" || { echo "bench: $bench failed (exit $?)"; status=1; }
    done
}

# Wine: the disabled tests named QuorvelBench* and MarneloBench* of the end-to-end program are
# measurements; only their lines that begin with "bench:" are figures. A new measurement is one
# more such test, or another gtest filter in the list below.
if [ -n "${BENCH_WINE_FILTER:-}" ]; then
    WINE_FILTERS=("$BENCH_WINE_FILTER")
else
    WINE_FILTERS=("QuorvelBench*" "MarneloBench*")
fi

run_wine() {
    if [ ! -f "$E2E_DIR/$E2E_EXE" ]; then
        echo "== Wine measurements skipped: $E2E_DIR/$E2E_EXE is not built (scripts/build.sh win)"
        return 0
    fi
    # shellcheck source=scripts/wine-env.sh
    source scripts/wine-env.sh
    wine_env_init "$REPO_ROOT/build/wineprefix" || { status=1; return 0; }
    if ! wine_env_start fresh; then
        echo "bench: Wine could not be started"
        status=1
        return 0
    fi
    local filter log code
    for filter in "${WINE_FILTERS[@]}"; do
        echo "== Wine: $filter"
        log=$REPO_ROOT/build/bench-wine.log
        code=0
        (cd "$E2E_DIR" && timeout -k 15 "$BENCH_TIMEOUT" "$WINE_BIN" "$E2E_EXE" \
            --gtest_filter="$filter" --gtest_also_run_disabled_tests) >"$log" 2>&1 || code=$?
        tr -d '\r' <"$log" | grep '^bench:' || echo "bench: $filter printed no figure (output in $log)"
        if [ "$code" -ne 0 ]; then
            echo "bench: $filter ended with exit code $code (output in $log)"
            status=1
        fi
    done
    wine_env_cleanup
}

# What the builds need and nothing more; the progress goes to stderr, apart from the figures.
bash scripts/install-deps.sh >&2

case "${1:-all}" in
    native) run_native ;;
    wine) run_wine ;;
    all)
        run_native
        run_wine
        ;;
    *)
        echo "usage: scripts/bench.sh [native|wine]" >&2
        exit 2
        ;;
esac
exit "$status"
