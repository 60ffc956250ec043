#!/bin/bash
# Builds the native tree (logic libraries and unit tests, with sanitizers) and the Windows tree
# (the programs and the end-to-end test program, cross-compiled with mingw-w64).
#   scripts/build.sh          both trees
#   scripts/build.sh native   only build/native
#   scripts/build.sh win      only build/win
#   scripts/build.sh packages only the programs, the zip and the installer of build/win
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

jobs=2

# shellcheck source=scripts/compiler-cache.sh
source scripts/compiler-cache.sh

# A tree is configured once; after that the build step re-runs CMake itself whenever a
# CMakeLists.txt changes. A configure that broke off leaves a cache without a Makefile.
configure_if_needed() {
    local dir=$1
    shift
    if [ -f "$dir/CMakeCache.txt" ] && { [ -f "$dir/Makefile" ] || [ -f "$dir/build.ninja" ]; }; then
        return 0
    fi
    cmake -S . -B "$dir" "$@"
}

build_native() {
    echo "== build native (build/native)"
    configure_if_needed build/native "${CACHE_ARGS[@]}"
    cmake --build build/native -j"$jobs"
}

build_win() {
    echo "== build Windows (build/win)"
    configure_if_needed build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake "${CACHE_ARGS[@]}"
    cmake --build build/win -j"$jobs" "$@"
}

case "${1:-all}" in
    native) build_native ;;
    win) build_win ;;
    packages) build_win --target release_packages ;;
    all)
        build_native
        build_win
        ;;
    *)
        echo "usage: scripts/build.sh [native|win|packages]" >&2
        exit 2
        ;;
esac
