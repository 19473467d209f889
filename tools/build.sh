#!/usr/bin/env bash
# Builds everything into build/: the unit tests natively, and the screen saver with its test
# programs for 32- and 64-bit Windows. In build/dist: the program folders win32 and win64, and
# beside them the installers 3dOrvane-win32.msi and 3dOrvane-win64.msi and a zip of each
# folder. Installs what the build needs on first use.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-prerequisites.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --parallel "$(nproc)"
echo "Program folders, installers and zips: $(pwd)/build/dist"
