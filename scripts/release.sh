#!/bin/bash
# The release of the version in the file VERSION: installs what is missing, builds the programs
# and packs them as a portable zip and as an installer, then lists what each holds.
#   scripts/release.sh   ->  build/win/packages/marnelo-X.Y.Z.zip
#                            build/win/packages/marnelo-X.Y.Z-setup.exe
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

version=$(head -n 1 VERSION)
zip=build/win/packages/marnelo-$version.zip
setup=build/win/packages/marnelo-$version-setup.exe

bash scripts/install-deps.sh
bash scripts/build.sh packages

echo "== $zip"
cmake -E tar tf "$zip"
echo "== $setup"
ls -l "$setup"
