#!/usr/bin/env bash
# Soak benchmark: scripted random play with the program's resident memory
# sampled every minute.  Run by hand:
#   bench/soak.sh [build-dir] [minutes]        (default: build, 40)
# It runs under its own Xvfb.  The player clicks and shoots anywhere, reloads,
# opens the quit dialog and answers No, meets a level's quota with the cheat
# code (so levels and their comics change), skips comics or watches them,
# types names into the table and starts new games; never Q and never the
# menu's Quit.  Prints "minute N rss_kib R" each minute, then the first and
# last minutes, the largest value and the growth after the first minute.
# The game's sound plays into a PulseAudio server of the soak's own (when
# pulseaudio is installed): each minute's line adds the underruns the server
# has counted so far and the stream's buffer latency; at the end, the most
# the server holds of the stream (its target length) and how often the
# stream was made anew (ALSA's recovery from an underrun).  A reference
# stream of the same buffer plays silence beside it (lib.sh), so that the
# machine's own stalls can be told from the game's.
# Fails if the program ends (a crash shows its status) before the time is up.
# SOAK_SHOTS=DIR keeps a screenshot of every minute there.
set -uo pipefail
. "$(dirname "$0")/lib.sh"
if [ -z "${SOAK_INNER:-}" ]; then
  here=$(cd "$(dirname "$0")/.." && pwd)
  SOAK_INNER=1 exec "$here/tools/with-xvfb.sh" bash "$0" "$@"
fi
build=$(cd "${1:-build}" && pwd)
minutes=${2:-40}
work=$(mktemp -d /tmp/deadeye-soak-XXXXXX)
cp -r "$build/game/." "$work/"
printf 'GFX_MODE 1\nGFX_COLOR 32\nMUSIC_ON 1\nSCALE 1\n' > "$work/setup.cfg"
private_pulse_start "$work/pulse"
( cd "$work" && exec ./deadeye ) > "$work/out.txt" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null; wait $pid 2>/dev/null; private_pulse_stop; rm -rf "$work"' EXIT
wait_for_window "$pid" 400 "$work/out.txt"
reference_stream_start

rss() { awk '/^VmRSS/{print $2}' "/proc/$pid/status" 2>/dev/null; }
alive() { kill -0 "$pid" 2>/dev/null; }
click() {   # click X Y [button]
  xdotool mousemove --window "$wid" "$1" "$2" mousedown "${3:-1}" 2>/dev/null; sleep 0.06; xdotool mouseup "${3:-1}" 2>/dev/null
}
key() { xdotool keydown --window "$wid" "$1" 2>/dev/null; sleep 0.08; xdotool keyup --window "$wid" "$1" 2>/dev/null; }
random_click() {   # anywhere but the main menu's Quit
  local x y
  while :; do
    x=$((20 + RANDOM % 600)); y=$((20 + RANDOM % 440))
    [ "$x" -lt 130 ] && [ "$y" -gt 330 ] && [ "$y" -lt 395 ] && continue
    break
  done
  click "$x" "$y" "$@"
}
act() {
  local r=$((RANDOM % 100))
  if   [ $r -lt 40 ]; then random_click
  elif [ $r -lt 50 ]; then random_click 3                         # reload
  elif [ $r -lt 58 ]; then key Escape; sleep 0.4; click 377 200   # the dialog, No
  elif [ $r -lt 62 ]; then                                        # the quota code
    key Escape; sleep 0.4
    xdotool keydown --window "$wid" shift
    xdotool type --window "$wid" --delay 30 WOODENPIGEON
    xdotool keyup --window "$wid" shift
  elif [ $r -lt 67 ]; then xdotool type --window "$wid" --delay 40 "soak$((RANDOM % 100))"; key Return
  elif [ $r -lt 72 ]; then sleep 4                                # watch whatever plays
  elif [ $r -lt 78 ]; then click 65 263                           # New game
  elif [ $r -lt 82 ]; then click 330 240                          # away from the table
  elif [ $r -lt 86 ]; then key Escape                             # skip a comic
  else sleep 0.2
  fi
  sleep 0.1
}

start=$SECONDS
samples=()
next=60
echo "soak: $minutes minutes of random play, pid $pid"
while [ $((SECONDS - start)) -lt $((minutes * 60)) ]; do
  alive || break
  act
  if [ $((SECONDS - start)) -ge $next ]; then
    v=$(rss)
    [ -n "$v" ] || break
    samples+=("$v")
    echo "minute ${#samples[@]} rss_kib $v${pulse_pid:+ sound_underruns $(pulse_underruns) buffer $(pulse_latency)}"
    [ -n "${SOAK_SHOTS:-}" ] && import -window root "$SOAK_SHOTS/minute-${#samples[@]}.png" 2>/dev/null
    next=$((next + 60))
  fi
done
if ! alive; then
  wait "$pid"; rc=$?
  echo "soak: FAILED: the program ended after $(( (SECONDS - start) / 60 )) minutes with status $rc"
  grep -v '^ALSA' "$work/out.txt" | tail -20
  exit 1
fi
if [ -n "${pulse_pid:-}" ]; then
  echo "soak: the sound server counted $(pulse_underruns) underruns of the game's stream"
  [ -n "$reference_pid" ] && reference_report
  awk '/Requested tlength=/ { sub(/.*tlength=/, ""); t = $1 + 0; if (t > most) most = t }
       /Created input .*"ALSA Playback"/ { n++ }
       END { printf "soak: the server held at most %.1f ms of a stream; the game'"'"'s was made %d times\n", most, n }' "$pulse_log"
fi
n=${#samples[@]}
[ "$n" -ge 2 ] || { echo "soak: too short to compare"; exit 0; }
# What is resident depends on the screen and the level of the moment, so the
# growth compares the peaks of the first ten minutes after the first and of
# the last ten.
printf '%s\n' "${samples[@]}" | awk -v n="$n" '
  { v[NR] = $1; if (NR == 1 || $1 > max) max = $1; if (NR == 1 || $1 < min) min = $1 }
  END {
    w = n > 11 ? 10 : int((n - 1) / 2); if (w < 1) w = 1
    for (i = 2; i <= 1 + w; i++) if (v[i] > early) early = v[i]
    for (i = n - w + 1; i <= n; i++) if (v[i] > late) late = v[i]
    printf "soak: first minute %d KiB, last minute %d KiB, smallest %d KiB, largest %d KiB\n", v[1], v[n], min, max
    printf "soak: peak of minutes 2-%d %d KiB, of the last %d minutes %d KiB: growth %d KiB, %s\n", 1 + w, early, w, late, late - early, late - early < 1024 ? "flat (below 1 MiB)" : "GREW by 1 MiB or more"
  }'
