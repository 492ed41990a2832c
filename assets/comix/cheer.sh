#!/usr/bin/env bash
# The town cheers: a swell of voices and two whistles.
set -euo pipefail
t=$(mktemp -d)
trap 'rm -rf "$t"' EXIT
f="-r 22050 -c 1 -b 16"
sox -n $f "$t/a.wav" synth 2.4 pinknoise band 700 400 tremolo 7 60 fade q 0.08 2.4 1.2
sox -n $f "$t/b.wav" synth 2.4 pinknoise band 1300 500 tremolo 11 50 fade q 0.15 2.4 1.0
sox -n $f "$t/c.wav" synth 2.4 brownnoise band 400 200 tremolo 5 40 fade q 0.1 2.4 1.4
sox -n $f "$t/w.wav" synth 0.35 sine 1700-2600 fade h 0.02 0.35 0.1 pad 0.3
sox -n $f "$t/v.wav" synth 0.5 sine 2200-1500 fade h 0.02 0.5 0.2 pad 0.9
sox -m "$t/a.wav" "$t/b.wav" "$t/c.wav" -v 0.35 "$t/w.wav" -v 0.3 "$t/v.wav" $f "$1" gain -n -2
