#!/usr/bin/env bash
# Wanted poster shot: the slap of the bullet and paper tearing.
set -euo pipefail
out=$1
t=$(mktemp -d); trap 'rm -rf "$t"' EXIT
S="sox -q -n -r 22050 -c 1 -b 16"
$S $t/slap.wav synth 0.05 pinknoise gain -4 bandpass 900 700 fade q 0.001 0.05 0.045
$S $t/rip.wav synth 0.35 whitenoise gain -4 bandpass 2800 2000 tremolo 45 85 fade q 0.005 0.35 0.1 gain -4 pad 0.03
$S $t/flap.wav synth 0.1 brownnoise gain -4 lowpass 700 fade q 0.005 0.1 0.08 gain -6 pad 0.32
sox -q -m $t/slap.wav $t/rip.wav $t/flap.wav "$out" gain -n -1
