#!/bin/bash
# The long soak of the save path: Marnelo killed 50 times while it saves a board of 1 000 notes
# (the test run kills 10 times). Run it before a change to how boards are saved lands.
#   scripts/kill-soak.sh [KILLS]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/install-deps.sh
bash scripts/build.sh win
export MARNELO_KILLS=${1:-50}
bash scripts/e2e-shard.sh 0 1 3600 --gtest_filter='SaveFault.KilledWhileSaving*'
cat build/win/e2e-shard-0/e2e.log
grep -q '\[  PASSED  \] 1 test' build/win/e2e-shard-0/e2e.log
