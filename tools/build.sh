#!/usr/bin/env bash
# Builds everything into build/: the unit tests natively, and the screen saver with its test
# programs for 32- and 64-bit Windows. The ready-to-install program folders are
# build/dist/win32 and build/dist/win64. Installs what the build needs on first use.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-prerequisites.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --parallel "$(nproc)"
echo "Program folders: $(pwd)/build/dist/win32 and $(pwd)/build/dist/win64"
