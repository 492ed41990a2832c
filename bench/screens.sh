#!/usr/bin/env bash
# A scripted run through every screen, with the program's own statistics per
# screen and the processor use of the main menu.
# Usage (under an X display): bench/screens.sh [build-dir]
# The intro plays 8 s and is skipped; the main menu idles 10 s (processor use
# measured); options, the difficulty screen, a game with its start comic, the
# quit dialog twice, the game-over comic, the name entry and the table follow;
# Q leaves.  Prints "screen NAME frames N max_interval_ms M" for each screen.
set -euo pipefail
. "$(dirname "$0")/lib.sh"
build=$(cd "${1:-build}" && pwd)
work=$(mktemp -d /tmp/deadeye-screens-XXXXXX)
trap 'kill $pid 2>/dev/null || true; rm -rf "$work"' EXIT
cp -r "$build/game/." "$work/"
printf 'GFX_MODE 1\nGFX_COLOR 32\nMUSIC_ON 1\nSCALE 1\n' > "$work/setup.cfg"
for i in $(seq 10); do printf -- '-1\tTENDERFOOT\n'; done > "$work/top.txt"   # every score enters
( cd "$work" && DEADEYE_FRAME_STATS="$work/stats.txt" exec ./deadeye ) >"$work/out.txt" 2>&1 &
[ -n "${KEEP_OUT:-}" ] && trap 'kill $pid 2>/dev/null || true; cp "$work/out.txt" "$KEEP_OUT"; rm -rf "$work"' EXIT
pid=$!
wait_for_window "$pid" 200 "$work/out.txt"
key() { xdotool keydown --window "$wid" "$1"; sleep 0.1; xdotool keyup --window "$wid" "$1"; }
click() { xdotool mousemove --window "$wid" "$1" "$2"; sleep 0.1; xdotool mousedown 1; sleep 0.1; xdotool mouseup 1; }
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }

sleep 8; key Escape; sleep 2                            # the intro, skipped
t0=$(ticks); s0=$(date +%s.%N); sleep 10; t1=$(ticks); s1=$(date +%s.%N)
click 80 318; sleep 1.5                                 # options
click 400 420; sleep 1.5; click 300 200; sleep 1        # the difficulty screen
key Escape; sleep 1
click 65 263; sleep 10                                  # a game, after its start comic
click 300 300; sleep 4                                  # (a click that may skip the comic's end)
key Escape; sleep 1.5; key Escape; sleep 3              # the dialog, answered no
key Escape; sleep 1; click 255 180                      # and yes: the game-over comic
sleep 12; click 300 300; sleep 2                        # its click to go on; the name entry
xdotool type --window "$wid" --delay 60 "bench"; key Return; sleep 2
click 300 300; sleep 1.5                                # the table
key q; sleep 1; key Escape                              # the goodbye comic, skipped
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
hz=$(getconf CLK_TCK)
awk -v a="$t0" -v b="$t1" -v s="$s0" -v e="$s1" -v hz="$hz" \
  'BEGIN{printf "main menu for 10 s: cpu_percent_of_one_core %.1f\n", 100*(b-a)/hz/(e-s)}'
cat "$work/stats.txt"
