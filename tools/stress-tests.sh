#!/usr/bin/env bash
# Runs the end-to-end suite N times in a row and prints how many runs passed and which tests
# failed how often, so a test that fails one run in a few shows before it reaches CI. With
# --load, every core is kept busy by a CPU hog at normal priority for the whole time, as on a
# shared machine. Each run's output is kept in build/stress/run-K.log. Not part of the tests.
#   tools/stress-tests.sh N [--load] [CTEST ARGUMENTS...]     e.g. tools/stress-tests.sh 10 --load
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-}
[[ $runs =~ ^[1-9][0-9]*$ ]] || { echo "usage: $0 N [--load] [CTEST ARGUMENTS...]" >&2; exit 2; }
shift
load=false
if [ "${1:-}" = --load ]; then load=true; shift; fi

tools/build.sh >/dev/null
tools/wine-rig.sh builds
logs=build/stress
rm -rf "$logs"
mkdir -p "$logs"

hogs=()
stop_hogs() { [ ${#hogs[@]} -eq 0 ] || kill "${hogs[@]}" 2>/dev/null || true; }
trap stop_hogs EXIT
if $load; then
  for _ in $(seq "$(nproc)"); do
    bash -c 'while :; do :; done' &
    hogs+=($!)
  done
  echo "A CPU hog runs on each of the $(nproc) cores."
fi

passed=0
declare -A failures=()
for run in $(seq "$runs"); do
  log=$logs/run-$run.log
  if ctest --test-dir build -L e2e --output-on-failure "$@" >"$log" 2>&1; then
    passed=$((passed + 1))
    echo "run $run of $runs: passed"
  else
    failed=$(sed -n '/The following tests FAILED:/,$ s/^[[:space:]]*[0-9]* - \([^ ]*\) .*/\1/p' "$log")
    echo "run $run of $runs: failed ${failed//$'\n'/, } (see $log)"
    for test in $failed; do failures[$test]=$((${failures[$test]:-0} + 1)); done
  fi
done

echo "$passed of $runs runs passed"
for test in "${!failures[@]}"; do echo "  $test failed ${failures[$test]} times"; done | sort
[ "$passed" -eq "$runs" ]
