#!/usr/bin/env bash
# How quickly and where a shot shows, and how smoothly the screens change.
# Usage (under an X display of at least 1300 x 1000 for scale 2; `make bench`
# and tools/with-xvfb.sh give one): bench/responsiveness.sh [build-dir]
#
# For the window at scale 1 and at scale 2 it starts a game on a quiet street
# (no door ever opens) and, with bench/click_probe.c:
#   - presses the button 30 times on the street and times each press, from
#     the moment the X server has it to the moment the cartridge display in
#     the window changes: "click_to_picture_ms p50 A p95 B max C n N";
#   - presses 8 times while the pointer flies on 220 pixels within a
#     millisecond of the press, and counts the holes where the button went
#     down and where the pointer went: "holes_at_press P holes_at_flight F of 8";
#   - prints the program's own statistics (frames, click to blit).
# Then it runs bench/screens.sh (a whole run through every screen) and prints
# its lines, the longest interval at each screen change among them.
# Figures only: nothing here passes or fails on a time.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
build=$(cd "${1:-build}" && pwd)
game=$build/game
probe="$build/e2e-tools/click_probe"
work=$(mktemp -d /tmp/deadeye-resp-XXXXXX)
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT

run_scale() {
  local s=$1
  rm -rf "$work/g"; mkdir "$work/g"; cp -r "$game/." "$work/g/"
  printf 'GFX_MODE 1\nGFX_COLOR 32\nMUSIC_ON 1\nSCALE %s\n' "$s" > "$work/g/setup.cfg"
  cat > "$work/g/data/levels/levels.txt" <<EOF
LEVEL 1
CREATURE lady.txt 1
BACK back/street_day.bmp
MODE 0
MAX_DOORS_OPEN 1
REFRESH_DOOR 0
MAX_BANDIT 50
NEXT 1
END_OF_LEVEL 1
EOF
  ( cd "$work/g" && DEADEYE_FRAME_STATS="$work/g/stats.txt" exec ./deadeye ) >"$work/g/out.txt" 2>&1 &
  pid=$!
  wait_for_window "$pid" 200 "$work/g/out.txt"
  key() { xdotool keydown --window "$wid" "$1"; sleep 0.1; xdotool keyup --window "$wid" "$1"; }
  sleep 3; key Escape; sleep 2                                   # the intro, skipped
  xdotool mousemove --window "$wid" $((65 * s)) $((263 * s)); sleep 0.2
  xdotool mousedown 1; sleep 0.1; xdotool mouseup 1; sleep 3     # New game
  echo "scale $s:"
  # The street between doors 0 and 1; the cartridge display 110x70+505+395.
  "$probe" latency "$wid" $((195 * s)) $((285 * s)) 30 $((505 * s)) $((395 * s)) $((110 * s)) $((70 * s)) |
    tail -n 1
  # Above the doors, presses at x 20, 45 .. 195 flying on to 240 .. 415.
  "$probe" place "$wid" $((20 * s)) $((40 * s)) $((220 * s)) 0 8 $((330 * s)) $((335 * s)) $((25 * s)) |
    tail -n 1
  "$build/e2e-tools/wm_close" "$wid"
  wait "$pid" || true
  pid=""
  grep -v '^screen' "$work/g/stats.txt" || true
}

run_scale 1
run_scale 2
echo "a whole run through every screen:"
"$here/screens.sh" "$build" | grep -v '^main menu'
echo "targets: click_to_picture p50 <= 12 ms and p95 <= 20 ms; every hole at the press;" \
     "every interval, screen changes included, under 50 ms"
