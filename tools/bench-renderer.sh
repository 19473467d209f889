#!/usr/bin/env bash
# Measures the renderer's cost under Wine on Xvfb, at 1024 x 768, at 1920 x 1080 and on two
# 1920 x 1080 monitors side by side: the full scene against frames that are only cleared and
# shown (the baseline, measured in the same run), with the staged model and a glow texture in
# place. For each it prints frames per second with vsync off, and, paced at 60 Hz as the
# renderer paces them, its processor time per second of screen time and the frames that missed
# their refresh. Not part of the tests, as timings depend on the machine and on whatever else
# runs on it. Runs the i686 build where Wine can run 32-bit programs, else the x86_64 build.
#   tools/bench-renderer.sh [SECONDS]     length of each measurement, 10 by default
set -euo pipefail
cd "$(dirname "$0")/.."

tools/build.sh >/dev/null
tools/wine-rig.sh builds
seconds=${1:-10}
# Its own session and prefix, beside any test run: sessions that share a prefix share its
# wineserver.
session=$(pwd)/build/bench/session
trap 'tools/wine-rig.sh stop "$session"' EXIT

for layout in "--screen 1024x768" "--screen 1920x1080" "--heads 1920x1080+0+0,1920x1080+1920+0"; do
  echo "== $layout"
  # shellcheck disable=SC2086
  tools/wine-rig.sh start "$session" $layout
  (
    while IFS== read -r key value; do export "$key=$value"; done <"$session/env" 2>/dev/null
    staging=$WINEPREFIX/drive_c/v_orim
    mkdir -p "$staging"
    build=${ORVANE_BUILDS%% *}
    cp "build/dist/$build/3dOrvane.x" "$staging/"
    convert -size 128x128 radial-gradient:'rgb(220,220,220)'-black -type TrueColor "BMP3:$staging/3dOrvane.bmp"
    "$WINE" "build/$build/test-tools/renderer_bench.exe" "$seconds"
    rm -f "$staging/3dOrvane.x" "$staging/3dOrvane.bmp"
  )
  tools/wine-rig.sh stop "$session"
done
