#!/bin/bash
# Installs what the builds and the tests need on Debian 12: the native toolchain with GoogleTest,
# clang with the libFuzzer runtime, the mingw-w64 cross compilers, Wine with a private X server,
# Japanese fonts and locale, NSIS for the installer, and iconv (libc-bin), which turns the
# programs' UTF-8 text tables into code page 932 at build time.
# Safe to run again: when everything is present it only asks dpkg and returns.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

packages=(
    cmake g++ make googletest libgtest-dev ccache libc-bin
    clang libclang-rt-14-dev
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-x86-64-dev binutils-mingw-w64-x86-64
    wine wine64 xvfb xauth x11-utils
    fonts-ipafont-gothic fonts-ipafont-mincho locales
    imagemagick clang-format
    nsis
)

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
        as_root=(sudo)
    fi
fi

run_as_root() {
    if [ "$(id -u)" -ne 0 ] && [ ${#as_root[@]} -eq 0 ]; then
        echo "install-deps: root is needed for: $*" >&2
        return 1
    fi
    "${as_root[@]}" "$@"
}

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "install-deps: installing ${missing[*]}"
    run_as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
    run_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Wine takes its code page from the locale: without ja_JP.UTF-8 the programs would run in 1252.
if ! locale -a 2>/dev/null | grep -qix 'ja_JP\.utf-\?8'; then
    echo "install-deps: generating the ja_JP.UTF-8 locale"
    if grep -q '^# *ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
        run_as_root sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
    elif ! grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
        echo 'ja_JP.UTF-8 UTF-8' | run_as_root tee -a /etc/locale.gen >/dev/null
    fi
    run_as_root locale-gen
fi

echo "install-deps: all packages present"
