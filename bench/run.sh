#!/usr/bin/env bash
# Frame-rate and processor-use benchmark of the running program.
# Usage (under an X display): bench/run.sh [build-dir] [seconds]
# Starts the game in a copy of the game folder, lets it sit on its first
# screen for the given time, closes the window, and prints the frames
# presented a second, the largest interval between two frames (from the
# program's own DEADEYE_FRAME_STATS) and the share of one core it used.
set -euo pipefail
. "$(dirname "$0")/lib.sh"
build=${1:-build}
seconds=${2:-10}
build=$(cd "$build" && pwd)
work=$(mktemp -d /tmp/deadeye-bench-XXXXXX)
trap 'rm -rf "$work"' EXIT
cp -r "$build/game/." "$work/"
( cd "$work" && DEADEYE_FRAME_STATS="$work/stats.txt" exec ./deadeye ) >"$work/out.txt" 2>&1 &
pid=$!
wait_for_window "$pid" 200 "$work/out.txt"
sleep 2   # past loading
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
hz=$(getconf CLK_TCK)
t0=$(ticks); s0=$(date +%s.%N)
sleep "$seconds"
t1=$(ticks); s1=$(date +%s.%N)
"$build/e2e-tools/wm_close" "$wid"
wait "$pid" || true
cpu=$(awk -v a="$t0" -v b="$t1" -v s="$s0" -v e="$s1" -v hz="$hz" 'BEGIN{printf "%.1f", 100*(b-a)/hz/(e-s)}')
echo "idle screen for ${seconds}s: cpu_percent_of_one_core $cpu"
cat "$work/stats.txt"
echo "targets: fps 60 +- 1, max_interval_ms under 20, cpu below 15"
