#!/bin/bash
# Starts Marnelo under Wine from the install folder build/install.
#   scripts/run-marnelo.sh        build, refresh build/install, start Marnelo with its default board
#   scripts/run-marnelo.sh end    ask the running copy to save and close
# With a reachable $DISPLAY Marnelo opens there and keeps running after this script returns.
# Without one it runs on a private X server just long enough to take a screenshot of its notes
# (build/marnelo-screenshot.png), then it is ended again.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
REPO_ROOT=$(pwd)

INSTALL_DIR=build/install
STATE_FILE=build/marnelo-run.state
SCREENSHOT=build/marnelo-screenshot.png
RUN_LOG=build/marnelo-run.log
# A prefix apart from the tests' own: a copy running here must not hold the single-instance
# mutex of the copies that the end-to-end tests start, nor be stopped by them.
RUN_PREFIX=$REPO_ROOT/build/wineprefix-run

# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh

# Prints "PID DISPLAY" of the copy this script started, when it still runs.
running_copy() {
    [ -f "$STATE_FILE" ] || return 1
    local pid display
    read -r pid display <"$STATE_FILE" || return 1
    [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null || return 1
    grep -qai 'marnelo\.exe' "/proc/$pid/cmdline" 2>/dev/null || return 1
    echo "$pid $display"
}

# Note windows have an empty title; the hidden main window and Wine's helpers are 1x1 or titled.
count_note_windows() {
    xwininfo -root -tree 2>/dev/null |
        grep -i '(has no name): ("marnelo\.exe"' |
        grep -o ' [0-9]\+x[0-9]\+[+-]' |
        awk -Fx '{ w = $1 + 0; h = $2 + 0; if (w >= 8 && h >= 8) n++ } END { print n + 0 }'
}

wait_for_note_window() {
    local pid=$1 limit=$2 tries
    for ((tries = 0; tries < limit * 5; tries++)); do
        [ "$(count_note_windows)" -gt 0 ] && return 0
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.2
    done
    return 1
}

# "marnelo.exe end" is a handoff to the running copy; with none running the program would
# instead open a board named "end", so it is only sent to a copy this script knows of.
end_marnelo() {
    local state pid display
    if ! state=$(running_copy); then
        echo "run-marnelo: Marnelo is not running (nothing to end)"
        rm -f "$STATE_FILE"
        return 0
    fi
    read -r pid display <<<"$state"
    wine_env_init "$RUN_PREFIX"
    export DISPLAY="$display"
    (cd "$INSTALL_DIR" && timeout 60 "$WINE_BIN" marnelo.exe end) || true
    if wine_wait_for_pid "$pid" 30; then
        echo "run-marnelo: Marnelo has ended"
        rm -f "$STATE_FILE"
        return 0
    fi
    echo "run-marnelo: Marnelo (pid $pid) did not end within 30 s" >&2
    return 1
}

# Replaces the programs through a rename, so that a copy still running keeps its old file.
refresh_install() {
    mkdir -p "$INSTALL_DIR"
    local exe
    for exe in marnelo.exe quorvel.exe snapkeep.exe; do
        [ -f "build/win/bin/$exe" ] || continue
        cmp -s "build/win/bin/$exe" "$INSTALL_DIR/$exe" && continue
        cp "build/win/bin/$exe" "$INSTALL_DIR/.$exe.new"
        mv -f "$INSTALL_DIR/.$exe.new" "$INSTALL_DIR/$exe"
    done
    # The help page the tray menu opens.
    if [ -d build/win/bin/MarneloHelp ]; then
        mkdir -p "$INSTALL_DIR/MarneloHelp"
        cp build/win/bin/MarneloHelp/* "$INSTALL_DIR/MarneloHelp/"
    fi
}

start_marnelo() {
    (cd "$INSTALL_DIR" && exec setsid "$WINE_BIN" marnelo.exe) </dev/null >"$RUN_LOG" 2>&1 &
    MARNELO_PID=$!
    echo "$MARNELO_PID $DISPLAY" >"$STATE_FILE"
}

if [ "${1:-}" = end ]; then
    end_marnelo
    exit
fi
if [ $# -gt 0 ]; then
    echo "usage: scripts/run-marnelo.sh [end]" >&2
    exit 2
fi

bash scripts/install-deps.sh
bash scripts/build.sh win
if [ ! -f build/win/bin/marnelo.exe ]; then
    echo "run-marnelo: build/win/bin/marnelo.exe was not built" >&2
    exit 1
fi
refresh_install

if state=$(running_copy); then
    echo "run-marnelo: Marnelo is already running (pid ${state% *}, display ${state#* })."
    echo "run-marnelo: end it with scripts/run-marnelo.sh end, then start it again."
    exit 0
fi

wine_env_init "$RUN_PREFIX"

if wine_display_alive; then
    wine_env_keep_running
    wine_env_start reuse
    start_marnelo
    if ! wait_for_note_window "$MARNELO_PID" 60; then
        echo "run-marnelo: no note window appeared within 60 s (see $RUN_LOG)" >&2
        exit 1
    fi
    echo "run-marnelo: Marnelo is running on display $DISPLAY, install folder $REPO_ROOT/$INSTALL_DIR"
    echo "run-marnelo: end it with: scripts/run-marnelo.sh end"
    exit 0
fi

# No display: show that it starts, keep the picture, end it again.
wine_env_start
start_marnelo
if ! wait_for_note_window "$MARNELO_PID" 60; then
    echo "run-marnelo: no note window appeared within 60 s (see $RUN_LOG)" >&2
    exit 1
fi
sleep 1 # the note's text is painted just after its window is mapped
import -window root "$SCREENSHOT"
echo "run-marnelo: screenshot of the notes: $REPO_ROOT/$SCREENSHOT"
end_marnelo
