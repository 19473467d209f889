#!/usr/bin/env bash
# Measures the renderer's cost under Wine on Xvfb, at 1024 x 768, at 1920 x 1080 and on two
# 1920 x 1080 monitors side by side, against two baselines measured on the same display:
#  - frames that are only cleared and shown: frames per second with vsync off, and the
#    processor time per second of screen time paced at 60 Hz;
#  - its peer, glmatrix from Debian's xscreensaver-gl (installed on first use), a 3-D rain of
#    glyphs run natively on the same display and Mesa, as shipped; its frames are counted at
#    its buffer swap by a preloaded library (bench/peer_swap_counter.cpp). The scene is then
#    paced at the peer's rate G, and run as shipped, its pace its own:
#      at the peer's rate (G fps): scene A% of a core, peer B% (R of the peer)
#      as shipped: scene C% of a core at F fps, N of M frames missed; peer B% at G fps
# Processor time is that of every thread of the process, Mesa's own included. Not part of the
# tests, as timings depend on the machine and on whatever else runs on it. Runs every build
# Wine can run here, the i686 one first.
#   tools/bench-renderer.sh [SECONDS]     length of each measurement, 10 by default
set -euo pipefail
cd "$(dirname "$0")/.."

peer=/usr/libexec/xscreensaver/glmatrix
tools/install-prerequisites.sh xscreensaver-gl
tools/build.sh >/dev/null
tools/wine-rig.sh builds
seconds=${1:-10}
# Its own session and prefix, beside any test run: sessions that share a prefix share its
# wineserver.
session=$(pwd)/build/bench/session
trap 'tools/wine-rig.sh stop "$session"' EXIT

# Prints the peer's frames a second and share of a core over SECONDS on DISPLAY, after it has
# shown its first frames.
measure_peer() {
  local swaps=$session/peer-swaps
  rm -f "$swaps"
  LD_PRELOAD=$(pwd)/build/bench/libpeer_swap_counter.so PEER_SWAPS_FILE=$swaps "$peer" --root \
    >"$session/peer.log" 2>&1 &
  local pid=$!
  local count=0
  for _ in $(seq 100); do
    [ -s "$swaps" ] && count=$(od -An -tu8 "$swaps" | tr -d ' ') && [ "$count" -ge 10 ] && break
    sleep 0.1
  done
  [ "$count" -ge 10 ] || { echo "the peer showed no frames; see $session/peer.log" >&2; kill "$pid"; return 1; }
  local start_ns start_ticks start_swaps end_ns end_ticks end_swaps
  read -r start_ns start_ticks start_swaps < <(echo "$(date +%s%N) $(awk '{print $14 + $15}' "/proc/$pid/stat") $(od -An -tu8 "$swaps")")
  sleep "$seconds"
  read -r end_ns end_ticks end_swaps < <(echo "$(date +%s%N) $(awk '{print $14 + $15}' "/proc/$pid/stat") $(od -An -tu8 "$swaps")")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  awk -v s="$(( (end_ns - start_ns) / 1000 ))e-6" -v f="$(( end_swaps - start_swaps ))" \
      -v t="$(( end_ticks - start_ticks ))" -v hz="$(getconf CLK_TCK)" 'BEGIN { printf "%.1f %.3f\n", f / s, t / hz / s }'
}

for layout in "--screen 1024x768" "--screen 1920x1080" "--heads 1920x1080+0+0,1920x1080+1920+0"; do
  echo "== $layout"
  # shellcheck disable=SC2086
  tools/wine-rig.sh start "$session" $layout
  (
    while IFS== read -r key value; do export "$key=$value"; done <"$session/env" 2>/dev/null
    read -r peer_fps peer_share < <(measure_peer)
    echo "peer as shipped: $peer_fps fps, $(awk -v s="$peer_share" 'BEGIN { printf "%.0f", 100 * s }')% of a core"
    staging=$WINEPREFIX/drive_c/v_orim
    mkdir -p "$staging"
    for build in $ORVANE_BUILDS; do
      echo "-- $build"
      cp "build/dist/$build/3dOrvane.x" "$staging/"
      cp build/artwork/pictures/glow_texture.bmp "$staging/3dOrvane.bmp"
      "$WINE" "build/$build/test-tools/renderer_bench.exe" "$seconds" "$peer_fps" "$peer_share"
      rm -f "$staging/3dOrvane.x" "$staging/3dOrvane.bmp"
    done
  )
  tools/wine-rig.sh stop "$session"
done
