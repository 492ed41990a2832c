#!/usr/bin/env bash
# The title tune of the menus: a trotting Western in A minor at 120 beats a
# minute, 18 bars of 4/4 (36 s) that loop.  Two bars of vamp (bass, guitar
# and hoofbeats), then a whistled melody over eight bars of verse and eight
# of chorus; the last bar rests on E so the loop falls back into the vamp.
# Every note fades in over 2 ms and out before its slot ends, so the file
# starts and ends at silence and the loop point does not click.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/_tune.sh"

# One chord a bar.
CHORDS=(Am Am  Am Am G Am Am F E E  C G Am Am F G E E)

# The melody, one bar a group, "note:beats", R a rest; starts in bar 3.
MELODY=(
  "A4:1 E5:1 A5:2"
  "G5:0.5 A5:0.5 G5:0.5 E5:0.5 D5:1 E5:1"
  "D5:1 G5:1 B5:1.5 A5:0.5"
  "A5:3 R:1"
  "A4:1 E5:1 A5:1.5 C6:0.5"
  "B5:0.5 A5:0.5 F5:1 A5:1 C6:1"
  "B5:1 G#5:1 E5:1 B4:1"
  "E5:3 R:1"
  "G5:1 E5:0.5 G5:0.5 C6:2"
  "B5:1 D6:0.5 B5:0.5 G5:2"
  "A5:1 C6:1 E6:1.5 D6:0.5"
  "C6:0.5 B5:0.5 A5:1 E5:2"
  "F5:1 A5:1 C6:1 A5:1"
  "G5:1 B5:1 D6:1 B5:1"
  "G#5:1.5 A5:0.5 B5:1 E5:1"
  "E5:2 R:2"
)

bass=() chick=() banjo=() hoof=() tune=()
for i in "${!CHORDS[@]}"; do
  c=${CHORDS[$i]}
  bass+=("$(bass_bar "$c")")
  chick+=("$(chick_bar "$c")")
  banjo+=("$(banjo_bar "$c" "$i")")
  hoof+=("$(hoof_bar "$i")")
  if [ "$i" -lt 2 ]; then
    tune+=("$(rest 4)")
  else
    tune+=("$(whistle_bar "${MELODY[$((i - 2))]}")")
  fi
done

track bass "${bass[@]}"
track chick "${chick[@]}"
track banjo "${banjo[@]}"
track hoof "${hoof[@]}"
track tune "${tune[@]}"

sox -q -m -v 0.34 "$T/bass.wav" -v 0.9 "$T/chick.wav" -v 0.25 "$T/banjo.wav" -v 0.6 "$T/hoof.wav" \
    -v 0.44 "$T/tune.wav" "$T/mix.wav"
# A little room (the reverb keeps the length, so the loop stays in time),
# the ends faded to silence and the peak set to -1.5 dBFS.
sox -q "$T/mix.wav" "$T/room.wav" reverb 18 50 40 channels 1
sox -q "$T/room.wav" -r "$RATE" -c 1 -b 16 "$1" fade h 0.003 -0 0.012 gain -n -1.5

