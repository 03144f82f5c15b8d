#!/bin/bash
# Copies what a player gets from the Windows build tree into dist/.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
rm -rf dist
mkdir -p dist
for f in ThemePatcher.exe SFmpq.dll Skin.dll mpqtool.exe; do
    if [ -f "build/win32/bin/$f" ]; then
        cp "build/win32/bin/$f" dist/
    fi
done
