#!/usr/bin/env bash
# Benchmarks the saver run under Wine on Xvfb screens of 1024 x 768, 1920 x 1080 and
# 3840 x 2160, and on desks of two 1920 x 1080 and of two 3840 x 2160 monitors:
# - the split effect, each frame held for one display refresh: the time to compose and present
#   a frame, median and worst, against the refresh interval; the refreshes missed; the slide's
#   duration against frames x refresh interval; one copy of the whole virtual screen per frame
#   as the baseline, measured in the same run;
# - the start-up, to the desktop picture on screen, against a trivial Wine program; and beside
#   it what the machine charges for the first write to a picture of the virtual screen, which
#   the saver makes before its window shows.
# Prints the figures; asserts nothing. Runs in a Wine session of its own, beside any test run,
# with the i686 build where Wine can run 32-bit programs, else the x86_64 build.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/build.sh >/dev/null
tools/wine-rig.sh builds
# A prefix of its own too: sessions that share a prefix share its wineserver.
export ORVANE_WINE_SESSION=$(pwd)/build/bench/session
session=$ORVANE_WINE_SESSION
trap 'tools/wine-rig.sh stop "$session"' EXIT
# Each layout with the size of its virtual screen.
for layout in "--screen 1024x768:1024 768" "--screen 1920x1080:1920 1080" "--screen 3840x2160:3840 2160" \
  "--heads 1920x1080+0+0,1920x1080+1920+0:3840 1080" "--heads 3840x2160+0+0,3840x2160+3840+0:7680 2160"; do
  size=${layout#*:} layout=${layout%%:*}
  echo "== $layout"
  # shellcheck disable=SC2086
  tools/wine-rig.sh start "$session" $layout
  (while IFS== read -r key value; do export "$key=$value"; done <"$session/env" 2>/dev/null; "$WINE" "build/${ORVANE_BUILDS%% *}/test-tools/split_bench.exe" 3 2>/dev/null)
  build/bench/startup_bench 9
  # shellcheck disable=SC2086
  build/bench/fresh_memory_bench $size
  tools/wine-rig.sh stop "$session"
done
