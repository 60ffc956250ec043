#!/bin/bash
# The one test command: installs what is missing, builds both trees, runs the unit tests
# natively, a short run of every fuzz target and the end-to-end tests against the real Windows
# programs under Wine.
#   scripts/test.sh [ARGS...]   ARGS go to marnelo_e2e.exe, e.g. --gtest_filter='Board.*'
# Every step runs even after an earlier one failed; the last line sums up both test programs
# and the fuzz targets (one each), and the exit code is non-zero when a test or a step failed.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
REPO_ROOT=$(pwd)

UNIT_BIN=build/native/tests/unit/unit_tests
UNIT_XML=build/native/unit.xml
FUZZ_RESULTS=build/fuzz/results.txt
FUZZ_SECONDS=${FUZZ_SECONDS:-3} # per target
E2E_DIR=build/win/bin
E2E_EXE=marnelo_e2e.exe
E2E_SHARDS=${E2E_SHARDS:-3}
E2E_TIMEOUT=${E2E_TIMEOUT:-1500} # seconds per shard; a hang must not block CI, a busy machine must not fail it

failed_steps=()
step_times=()
unit_status=""   # exit code of the unit test program, empty when it did not run
unit_note=""
e2e_status=""
e2e_note=""

# Runs a step, records its failure and lets the script go on.
step() {
    local name=$1 started=$SECONDS code=0
    shift
    echo "== $name"
    "$@" || code=$?
    echo "== $name: $((SECONDS - started)) s"
    step_times+=("$name $((SECONDS - started)) s")
    [ "$code" -eq 0 ] && return 0
    failed_steps+=("$name (exit $code)")
    return "$code"
}

run_unit_tests() {
    rm -f "$UNIT_XML"
    if [ ! -x "$UNIT_BIN" ]; then
        unit_note="$UNIT_BIN was not built"
        return 1
    fi
    local code=0
    timeout -k 10 600 "$UNIT_BIN" --gtest_output=xml:"$UNIT_XML" || code=$?
    unit_status=$code
    [ "$code" -eq 124 ] && unit_note="timed out after 600 s"
    return 0
}

# The end-to-end tests mostly wait for windows to appear and answer: shards of them run side by
# side, each with its own prefix, X display and folder (scripts/e2e-shard.sh) and its own timeout,
# so that a hang ends one shard and the others' results stand.
run_e2e_tests() {
    if [ ! -f "$E2E_DIR/$E2E_EXE" ]; then
        e2e_note="$E2E_DIR/$E2E_EXE does not exist: the Windows tree has no end-to-end test program yet"
        return 1
    fi
    # shellcheck source=scripts/wine-env.sh
    source scripts/wine-env.sh
    wine_env_init "$REPO_ROOT/build/wineprefix"
    # The shards copy this prefix; booting it needs a display of its own for a moment.
    if ! wine_env_start fresh; then
        e2e_note="Wine could not be started"
        return 1
    fi
    wine_env_cleanup
    echo "== e2e tests: $E2E_SHARDS shards under Wine, at most $E2E_TIMEOUT s each"
    local index pids=()
    for ((index = 0; index < E2E_SHARDS; index++)); do
        bash scripts/e2e-shard.sh "$index" "$E2E_SHARDS" "$E2E_TIMEOUT" "$@" &
        pids+=($!)
    done
    for index in "${!pids[@]}"; do
        wait "${pids[$index]}" || true
        echo "== e2e shard $index (exit $(cat "build/win/e2e-shard-$index/status" 2>/dev/null || echo ?))"
        cat "build/win/e2e-shard-$index/e2e.log" 2>/dev/null || true
    done
    e2e_status=ran
    return 0
}

# One attribute of the root <testsuites> element, 0 when absent.
xml_attribute() {
    local file=$1 name=$2 value
    value=$(grep -o '<testsuites [^>]*>' "$file" | head -n 1 | grep -o " $name=\"[0-9]*\"" | grep -o '[0-9]\+' || true)
    echo "${value:-0}"
}

total_passed=0
total_failed=0
total_skipped=0
details=()

# One e2e shard: its XML when the program ended by itself; after a timeout or a crash, every
# test of the shard that did not report "OK" in the log counts as failed and is named.
tally_shard() {
    local index=$1 dir=build/win/e2e-shard-$1 status note=""
    status=$(cat "$dir/status" 2>/dev/null || echo 1)
    [ "$status" -eq 124 ] && note="timed out after $E2E_TIMEOUT s"
    if [ -f "$dir/e2e.xml" ] && grep -q '<testsuites ' "$dir/e2e.xml"; then
        tally "e2e shard $index" "$dir/e2e.xml" "$status" "$note"
        return
    fi
    local passed=0 failed=0 name
    while read -r name; do
        [ -n "$name" ] || continue
        if grep -qF "[       OK ] $name (" "$dir/e2e.log" 2>/dev/null; then
            passed=$((passed + 1))
        elif grep -qF "[  SKIPPED ] $name (" "$dir/e2e.log" 2>/dev/null; then
            total_skipped=$((total_skipped + 1))
        else
            failed=$((failed + 1))
            echo "test: e2e shard $index: $name did not pass${note:+ ($note)}" >&2
        fi
    done <"$dir/tests.txt"
    # A shard whose tests could not even be listed fails as a whole.
    [ $((passed + failed)) -eq 0 ] && failed=1
    details+=("e2e shard $index $passed/$((passed + failed)) (no XML${note:+, $note})")
    total_passed=$((total_passed + passed))
    total_failed=$((total_failed + failed))
}

# Each fuzz target counts as one test; a run that wrote no results counts as one failure.
tally_fuzz() {
    local passed=0 failed=0
    if [ -s "$FUZZ_RESULTS" ]; then
        passed=$(grep -c ' passed ' "$FUZZ_RESULTS" || true)
        failed=$(grep -c ' failed ' "$FUZZ_RESULTS" || true)
        details+=("fuzz $passed/$((passed + failed))")
    else
        failed=1
        echo "test: fuzz: no results" >&2
        details+=("fuzz did not report")
    fi
    total_passed=$((total_passed + passed))
    total_failed=$((total_failed + failed))
}

# Adds one test program's results. A program that ran no test, wrote no XML or ended with a
# non-zero code while its XML reports no failure (a crash after the last test, a sanitizer
# report at exit) counts as one failure.
tally() {
    local label=$1 file=$2 status=$3 note=$4
    local tests=0 failures=0 errors=0 skipped=0 passed
    if [ -n "$status" ] && [ -f "$file" ] && grep -q '<testsuites ' "$file"; then
        # Disabled tests are counted in tests= but never run.
        tests=$(($(xml_attribute "$file" tests) - $(xml_attribute "$file" disabled)))
        failures=$(xml_attribute "$file" failures)
        errors=$(xml_attribute "$file" errors)
        skipped=$(grep -c 'result="skipped"' "$file" || true)
        failures=$((failures + errors))
        passed=$((tests - failures - skipped))
        if [ "$status" -ne 0 ] && [ "$failures" -eq 0 ]; then
            failures=1
            echo "test: $label exited with code $status${note:+ ($note)} although its XML reports no failure" >&2
        fi
        details+=("$label $passed/$tests")
    else
        passed=0
        failures=1
        if [ -z "$note" ]; then
            if [ -z "$status" ]; then note="did not run"; else note="exit code $status, no XML written"; fi
        fi
        echo "test: $label: $note" >&2
        details+=("$label did not report")
    fi
    total_passed=$((total_passed + passed))
    total_failed=$((total_failed + failures))
    total_skipped=$((total_skipped + skipped))
}

step "install-deps" bash scripts/install-deps.sh || true
if step "build native" bash scripts/build.sh native; then
    step "unit tests" run_unit_tests || true
else
    unit_note="the native build failed"
fi
rm -f "$FUZZ_RESULTS"
step "fuzz" bash scripts/fuzz.sh --time "$FUZZ_SECONDS" || true
if step "build Windows" bash scripts/build.sh win; then
    step "e2e" run_e2e_tests "$@" || true
else
    e2e_note="the Windows build failed"
fi

tally unit "$UNIT_XML" "$unit_status" "$unit_note"
if [ -n "$e2e_status" ]; then
    for ((index = 0; index < E2E_SHARDS; index++)); do tally_shard "$index"; done
else
    tally e2e "" "" "$e2e_note"
fi
tally_fuzz

echo
joined=$(printf '%s, ' "${step_times[@]}")
echo "Step times: ${joined%, }; in all $SECONDS s"
for failed in "${failed_steps[@]}"; do
    echo "failed step: $failed"
done
joined=$(printf '%s, ' "${details[@]}")
echo "Results: ${joined%, }"
skipped_text=""
[ "$total_skipped" -gt 0 ] && skipped_text=", $total_skipped skipped"
echo "SUMMARY: $total_passed passed, $total_failed failed$skipped_text"

[ "$total_failed" -eq 0 ] && [ ${#failed_steps[@]} -eq 0 ]
