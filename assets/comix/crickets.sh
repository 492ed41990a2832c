#!/usr/bin/env bash
# Night crickets, two seconds, played looping: every chirp lies wholly inside
# the loop and the loop ends in quiet, so the seam does not click.
set -euo pipefail
t=$(mktemp -d)
trap 'rm -rf "$t"' EXIT
f="-r 22050 -c 1 -b 16"
chirp() {  # pitch, output
  sox -n $f "$2" synth 0.07 sine "$1" tremolo 55 90 fade h 0.004 0.07 0.02
}
chirp 4300 "$t/c1.wav"
chirp 4700 "$t/c2.wav"
sox -n $f "$t/g1.wav" trim 0 0.05
sox -n $f "$t/g2.wav" trim 0 0.55
sox -n $f "$t/g3.wav" trim 0 0.38
sox "$t/c1.wav" "$t/g1.wav" "$t/c1.wav" "$t/g1.wav" "$t/c1.wav" "$t/g2.wav" \
    "$t/c2.wav" "$t/g1.wav" "$t/c2.wav" "$t/g3.wav" "$t/c1.wav" "$t/g1.wav" "$t/c1.wav" "$t/l.wav"
len=$(soxi -D "$t/l.wav")
pad=$(echo "2 - $len" | bc -l)
sox "$t/l.wav" $f "$1" pad 0 "$pad" gain -n -8
