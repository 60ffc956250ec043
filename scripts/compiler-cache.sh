# shellcheck shell=bash
# compiler-cache.sh — sourced by the build scripts: a compiler cache outside the clone makes a
# clean clone's build nearly as fast as a rebuild. Paths below the clone are hashed relative to
# it, so every clone of the project shares the entries. Sets CACHE_ARGS for a CMake configure.
CACHE_ARGS=()
if command -v ccache >/dev/null 2>&1; then
    export CCACHE_BASEDIR="$PWD"
    # Debug information names the build folder; hashing it would keep every clone apart.
    export CCACHE_NOHASHDIR=1
    export CCACHE_DIR="${CCACHE_DIR:-$HOME/.cache/marnelo-ccache}"
    export CCACHE_MAXSIZE="${CCACHE_MAXSIZE:-5G}"
    CACHE_ARGS=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
