#!/usr/bin/env bash
# Processor use per scale: the main menu standing idle, then play, on a
# private 3840 x 2160 Xvfb, for SCALE 1 to 4 in a window and for full screen
# (GFX_MODE 0, scale 4 on that screen).  Prints one line per run:
#   scale S window|full_screen menu_idle_cpu P play_cpu Q
# in per cent of one core.  Usage: bench/scales.sh [build-dir] [seconds]
set -euo pipefail
. "$(dirname "$0")/lib.sh"
build=$(cd "${1:-build}" && pwd)
seconds=${2:-8}
fd_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 3840x2160x24 -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
xvfb_pid=$!
work=$(mktemp -d /tmp/deadeye-scales-XXXXXX)
trap 'kill $xvfb_pid 2>/dev/null; rm -rf "$work" "$fd_file"' EXIT
for _ in $(seq 100); do [ -s "$fd_file" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$fd_file")"
cp -r "$build/game/." "$work/"
for c in "$work"/data/comix/*.cmx; do echo "delay 1" > "$c"; done

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# Share of one core process $1 used over the next $seconds.
cpu() {
  local t0 t1 s0 s1 hz; hz=$(getconf CLK_TCK)
  t0=$(ticks "$1"); s0=$(date +%s.%N)
  sleep "$seconds"
  t1=$(ticks "$1"); s1=$(date +%s.%N)
  awk -v a="$t0" -v b="$t1" -v s="$s0" -v e="$s1" -v hz="$hz" 'BEGIN{printf "%.1f", 100*(b-a)/hz/(e-s)}'
}

run() {   # gfx_mode scale label
  printf 'GFX_MODE %d\nGFX_COLOR 32\nMUSIC_ON 0\nSCALE %d\n' "$1" "$2" > "$work/setup.cfg"
  ( cd "$work" && exec ./deadeye ) >"$work/out.txt" 2>&1 &
  local pid=$! menu play x y s
  wait_for_window "$pid" 200 "$work/out.txt"
  sleep 3   # past loading and the intro
  menu=$(cpu "$pid")
  read -r x y s <<< "$(xwininfo -id "$wid" | awk '/Absolute upper-left X/{x = $NF} /Absolute upper-left Y/{y = $NF} /^ *Width/{w = $NF} END{print x, y, w}')"
  # New game, at its place whatever the scale and the picture's offset.
  local scale=$2 ox=0 oy=0
  if [ "$1" -eq 0 ]; then scale=4; ox=640; oy=120; fi
  xdotool mousemove $((x + ox + 65 * scale)) $((y + oy + 263 * scale)); sleep 0.1
  xdotool mousedown 1; sleep 0.1; xdotool mouseup 1
  sleep 2
  play=$(cpu "$pid")
  "$build/e2e-tools/wm_close" "$wid"
  wait "$pid" || true
  echo "scale $scale $3 menu_idle_cpu $menu play_cpu $play"
}

for s in 1 2 3 4; do run 1 "$s" window; done
run 0 0 full_screen
echo "targets at scale 4: menu_idle_cpu below 10, play_cpu below 20"
