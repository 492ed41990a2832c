#!/usr/bin/env bash
# Desert wind for the comics: six seconds of filtered noise with slow gusts,
# built so that its end runs straight into its start (it is played looping).
set -euo pipefail
out=$1
t=$(mktemp -d)
trap 'rm -rf "$t"' EXIT
f="-r 22050 -c 1 -b 16"
sox -n $f "$t/n.wav" synth 7 brownnoise synth 7 pinknoise mix lowpass 1400 highpass 150 gain -n -6
# crossfade the last second into the first one: the loop point is then seamless
sox "$t/n.wav" "$t/a.wav" trim 0 1 fade q 1
sox "$t/n.wav" "$t/b.wav" trim 6 1 fade q 0 1 1
sox "$t/n.wav" "$t/m.wav" trim 1 5
sox -m -v 1 "$t/a.wav" -v 1 "$t/b.wav" "$t/h.wav"
sox "$t/h.wav" "$t/m.wav" "$t/l.wav"
# two gusts per loop (a whole number of tremolo periods keeps the seam)
sox "$t/l.wav" $f "$out" tremolo 0.3333333 45 gain -n -4
