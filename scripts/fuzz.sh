#!/bin/bash
# Builds the fuzz targets with clang (build/fuzz) and runs them one after another, never two at
# once, each on a working copy of its seed corpus. A finding (crash, sanitizer report, broken
# property, hang) fails the run and leaves its input in build/fuzz/findings/.
#   scripts/fuzz.sh [--time SECONDS | --runs N] [TARGET...]   default: 3 seconds each, all targets
# Writes build/fuzz/results.txt: one line per target, "TARGET passed|failed EXECUTIONS".
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

limit=(-max_total_time=3)
while [ $# -gt 0 ]; do
    case $1 in
        --time) limit=(-max_total_time="$2"); shift 2 ;;
        --runs) limit=(-runs="$2"); shift 2 ;;
        *) break ;;
    esac
done

build=build/fuzz
# shellcheck source=scripts/compiler-cache.sh
source scripts/compiler-cache.sh
if ! command -v clang++ >/dev/null 2>&1; then
    echo "fuzz: clang++ is missing; scripts/install-deps.sh installs it" >&2
    exit 1
fi
if [ ! -f "$build/CMakeCache.txt" ] || [ ! -f "$build/Makefile" ]; then
    CC=clang CXX=clang++ cmake -S . -B "$build" -DMARNELO_FUZZ=ON "${CACHE_ARGS[@]}"
fi
cmake --build "$build" -j2

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for source in tests/fuzz/*_fuzz.cpp; do
        name=$(basename "$source" .cpp)
        targets+=("${name%_fuzz}")
    done
fi

# Recording thirty frames at every allocation halves the speed of these allocation-heavy
# targets; a report still names the allocating function and its caller.
export ASAN_OPTIONS=${ASAN_OPTIONS:-malloc_context_size=2}

mkdir -p "$build/findings"
results=$build/results.txt
: >"$results"
failed=0
for target in "${targets[@]}"; do
    work=$build/work/$target
    mkdir -p "$work"
    log=$build/$target.log
    code=0
    # Longer inputs only slow the run: every format here shows its rules in a few records or
    # lines, and the longest seed is below this.
    "$build/tests/fuzz/${target}_fuzz" "${limit[@]}" -max_len=256 -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$build/findings/$target-" \
        "$work" "tests/fuzz/corpus/$target" >"$log" 2>&1 || code=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    runs=${runs:-0}
    if [ "$code" -eq 0 ]; then
        echo "fuzz: $target passed, $runs executions"
        echo "$target passed $runs" >>"$results"
    else
        echo "fuzz: $target FAILED (exit $code) after $runs executions; see $log" >&2
        grep -E 'property broken|runtime error|ERROR: |Test unit written' "$log" | head -n 5 >&2 || true
        echo "$target failed $runs" >>"$results"
        failed=1
    fi
done
exit "$failed"
