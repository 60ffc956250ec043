# shellcheck shell=bash
# wine-env.sh — sourced, not run: the environment in which the Windows programs run on Linux.
#
# The programs' only text form is code page 932, so Wine must run with a Japanese locale;
# the prefix is private to the repository so that no user setting and no other Wine program
# changes what the tests see. Everything started here is stopped again by wine_env_cleanup,
# which wine_env_start installs as the EXIT trap of the sourcing script.
#
#   wine_env_init [PREFIX]      exports the variables, finds wine; PREFIX defaults to build/wineprefix
#   wine_env_start [reuse|fresh] X server (the current $DISPLAY with "reuse" when reachable, else a
#                               private Xvfb), boots the prefix on first use, installs the trap;
#                               "fresh" first ends every program still running in the prefix
#   wine_env_keep_running       the trap leaves the wineserver (and so the programs) running
#   wine_wait_for_pid PID SECS  bounded wait for a process to end

: "${REPO_ROOT:=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"

WINE_XVFB_PID=""
WINE_XVFB_LOG=""
WINE_KEEP_SERVER=0

wine_env_init() {
    export LANG=ja_JP.UTF-8
    export LC_ALL=ja_JP.UTF-8
    export WINEPREFIX="${1:-$REPO_ROOT/build/wineprefix}"
    export WINEDEBUG=-all
    # An empty override disables the .NET and HTML engines, whose installers would otherwise
    # open a dialog at the first boot and wait for a click that never comes. Without the menu
    # builder, the installer's Start-menu shortcuts stay inside the prefix instead of becoming
    # entries of the Linux desktop's menu.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    export WINEARCH=win64

    if command -v wine64 >/dev/null 2>&1; then
        WINE_BIN=$(command -v wine64)
    elif [ -x /usr/lib/wine/wine64 ]; then
        WINE_BIN=/usr/lib/wine/wine64
    elif command -v wine >/dev/null 2>&1; then
        WINE_BIN=$(command -v wine)
    else
        echo "wine-env: no wine binary found (run scripts/install-deps.sh)" >&2
        return 1
    fi
    # Debian's wine wrapper needs this when only the 64-bit loader is installed.
    export WINELOADER="$WINE_BIN"

    if command -v wineserver >/dev/null 2>&1; then
        WINESERVER_BIN=$(command -v wineserver)
    elif [ -x /usr/lib/wine/wineserver64 ]; then
        WINESERVER_BIN=/usr/lib/wine/wineserver64
    else
        WINESERVER_BIN=/usr/lib/wine/wineserver
    fi
    export WINESERVER="$WINESERVER_BIN"
}

# True when an X server answers on $1 (default $DISPLAY).
wine_display_alive() {
    local display="${1:-${DISPLAY:-}}"
    [ -n "$display" ] && timeout 5 xdpyinfo -display "$display" >/dev/null 2>&1
}

# A number is taken while the server named in its lock file lives. A stale lock of a server that
# was killed is no obstacle: Xvfb removes it itself.
wine_display_taken() {
    local lock="/tmp/.X$1-lock" pid
    [ -e "$lock" ] || return 1
    pid=$(tr -dc '0-9' <"$lock" 2>/dev/null || true)
    [ -z "$pid" ] || kill -0 "$pid" 2>/dev/null
}

wine_start_xvfb() {
    local n tries
    # One log per prefix: shards of the tests start their servers side by side.
    WINE_XVFB_LOG="$WINEPREFIX.xvfb.log"
    mkdir -p "$(dirname "$WINEPREFIX")"
    for n in 90 91 92 93 94 95 96 97 98 99; do
        wine_display_taken "$n" && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$WINE_XVFB_LOG" 2>&1 &
        WINE_XVFB_PID=$!
        for ((tries = 0; tries < 100; tries++)); do
            # Started side by side, two runs may both find a number free: the one whose server
            # lost the lock would otherwise take the winner's display and lose it at its end.
            kill -0 "$WINE_XVFB_PID" 2>/dev/null || break
            if wine_display_alive ":$n"; then
                [ "$(tr -dc '0-9' <"/tmp/.X$n-lock" 2>/dev/null)" = "$WINE_XVFB_PID" ] || break
                export DISPLAY=":$n"
                return 0
            fi
            sleep 0.1
        done
        kill "$WINE_XVFB_PID" 2>/dev/null || true
        wait "$WINE_XVFB_PID" 2>/dev/null || true
        WINE_XVFB_PID=""
    done
    echo "wine-env: could not start Xvfb on any display :90..:99 (see $WINE_XVFB_LOG)" >&2
    return 1
}

# Without a window manager on the display, Wine's X11 driver waits about two seconds for one
# whenever a managed window closes: every question, dialog and menu a test closes would pay it.
# Unmanaged windows close at once; Wine then does the focus and stacking itself.
wine_unmanaged_windows() {
    grep -q '^"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null && return 0
    timeout 120 "$WINE_BIN" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
        >/dev/null 2>&1 || true
    timeout 60 "$WINESERVER_BIN" -w || true
}

# The first boot of a prefix takes tens of seconds; later runs find system.reg and skip it.
wine_boot_prefix() {
    if [ -f "$WINEPREFIX/system.reg" ]; then
        wine_unmanaged_windows
        return 0
    fi
    mkdir -p "$(dirname "$WINEPREFIX")"
    echo "wine-env: creating the Wine prefix $WINEPREFIX (first run only)..."
    local started=$SECONDS
    if ! timeout 600 "$WINE_BIN" wineboot -u >"$WINEPREFIX.wineboot.log" 2>&1; then
        echo "wine-env: wineboot failed (see $WINEPREFIX.wineboot.log)" >&2
        return 1
    fi
    timeout 300 "$WINESERVER_BIN" -w || true
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "wine-env: the prefix has no system.reg after wineboot" >&2
        return 1
    fi
    wine_unmanaged_windows
    echo "wine-env: prefix ready after $((SECONDS - started)) s"
}

wine_env_keep_running() {
    WINE_KEEP_SERVER=1
}

wine_wait_for_pid() {
    local pid=$1 limit=$2 tries
    for ((tries = 0; tries < limit * 10; tries++)); do
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.1
    done
    return 1
}

wine_env_cleanup() {
    if [ "$WINE_KEEP_SERVER" != 1 ] && [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
        timeout 30 "$WINESERVER_BIN" -k >/dev/null 2>&1 || true
    fi
    if [ -n "$WINE_XVFB_PID" ]; then
        kill "$WINE_XVFB_PID" 2>/dev/null || true
        wine_wait_for_pid "$WINE_XVFB_PID" 10 || kill -9 "$WINE_XVFB_PID" 2>/dev/null || true
        wait "$WINE_XVFB_PID" 2>/dev/null || true
        WINE_XVFB_PID=""
    fi
}

wine_env_start() {
    trap wine_env_cleanup EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
    # A copy left over from an interrupted run would hold the programs' single-instance mutex
    # and turn every start into a handoff; "fresh" ends whatever still runs in the prefix.
    if [ "${1:-}" = fresh ] && [ -d "$WINEPREFIX" ]; then
        timeout 30 "$WINESERVER_BIN" -k >/dev/null 2>&1 || true
    fi
    if [ "${1:-}" = reuse ] && wine_display_alive; then
        :
    else
        wine_start_xvfb || return 1
    fi
    wine_boot_prefix
}
