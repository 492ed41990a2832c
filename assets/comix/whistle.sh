#!/usr/bin/env bash
# The night train's steam whistle: a short toot and a long one.
set -euo pipefail
t=$(mktemp -d)
trap 'rm -rf "$t"' EXIT
f="-r 22050 -c 1 -b 16"
toot() {  # length, output
  sox -n $f "$t/a.wav" synth "$1" sine 370 fade h 0.06 "$1" 0.25
  sox -n $f "$t/b.wav" synth "$1" sine 466 fade h 0.06 "$1" 0.25
  sox -n $f "$t/c.wav" synth "$1" sine 554 fade h 0.06 "$1" 0.25
  sox -n $f "$t/d.wav" synth "$1" pinknoise band 900 500 fade h 0.06 "$1" 0.25 gain -18
  sox -m "$t/a.wav" "$t/b.wav" "$t/c.wav" "$t/d.wav" "$2" tremolo 5 10
}
toot 0.45 "$t/t1.wav"
toot 1.5 "$t/t2.wav"
sox "$t/t1.wav" "$t/t2.wav" "$t/t3.wav" pad 0 0.3
sox "$t/t3.wav" $f "$1" reverb 40 fade 0 2.25 0.25 gain -n -2
