#!/bin/bash
# Runs one shard of the end-to-end tests in a folder, Wine prefix and X display of its own, so
# that shards run side by side without sharing a pointer, a keyboard, a single-instance mutex
# or a spy file. Called by scripts/test.sh; by hand:
#   scripts/e2e-shard.sh INDEX COUNT TIMEOUT [ARGS...]   ARGS go to marnelo_e2e.exe
# Leaves in build/win/e2e-shard-INDEX/: e2e.xml (when the program ended by itself), e2e.log
# (its output), tests.txt (the shard's tests, one "Suite.Name" per line) and status (the exit
# code; 124 when the timeout ended it).
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
REPO_ROOT=$(pwd)
index=$1 count=$2 limit=$3
shift 3

dir=build/win/e2e-shard-$index
rm -rf "$dir"
mkdir -p "$dir"
# The programs, the spy and the test program; the release test finds the packages one folder up.
find build/win/bin -maxdepth 1 -type f -exec cp -p {} "$dir"/ \;
[ -d build/win/bin/MarneloHelp ] && cp -rp build/win/bin/MarneloHelp "$dir"/
echo 1 >"$dir/status"

# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh
wine_env_init "$REPO_ROOT/build/wineprefix-$index"
# A prefix of its own is a copy of the booted one: booting takes far longer than copying.
if [ ! -f "$WINEPREFIX/system.reg" ] && [ -f "$REPO_ROOT/build/wineprefix/system.reg" ]; then
    rm -rf "$WINEPREFIX"
    cp -a "$REPO_ROOT/build/wineprefix" "$WINEPREFIX"
fi
if ! wine_env_start fresh; then
    echo "e2e shard $index: Wine could not be started" >"$dir/e2e.log"
    exit 1
fi

cd "$dir" || exit 1
export GTEST_TOTAL_SHARDS=$count GTEST_SHARD_INDEX=$index
# GoogleTest lists every test whatever the shard; it runs the runnable ones (those not
# disabled) round-robin by their order, so the shard's own share is every COUNT-th of them.
timeout -k 10 120 "$WINE_BIN" marnelo_e2e.exe --gtest_list_tests "$@" 2>/dev/null | tr -d '\r' |
    awk -v n="$count" -v i="$index" '
        /^[^ ]/ { suite = $1; next }
        /^  / { name = $1
                if (suite ~ /^DISABLED_/ || name ~ /^DISABLED_/) next
                if (k++ % n == i) print suite name }' >tests.txt
code=0
timeout -k 15 "$limit" "$WINE_BIN" marnelo_e2e.exe --gtest_output=xml:e2e.xml "$@" >e2e.log 2>&1 ||
    code=$?
echo "$code" >status
wine_env_cleanup
