#!/usr/bin/env bash
# A revolver shot for the comics: sharp crack over a low boom, short echo.
set -euo pipefail
out=$1
t=$(mktemp -d)
trap 'rm -rf "$t"' EXIT
f="-r 22050 -c 1 -b 16"
sox -n $f "$t/c.wav" synth 1.0 whitenoise lowpass 6000 fade l 0 1.0 0.98
sox -n $f "$t/b.wav" synth 1.0 brownnoise lowpass 260 fade l 0 1.0 0.95 gain -n -2
sox -m -v 0.5 "$t/c.wav" -v 0.7 "$t/b.wav" "$t/s.wav"
sox "$t/s.wav" $f "$out" reverb 35 50 60 fade 0 1.0 0.3 gain -n -1.5
