#!/usr/bin/env bash
# Cow skull hit: a dry hollow knock of old bone and a horn cracking off.
set -euo pipefail
out=$1
t=$(mktemp -d); trap 'rm -rf "$t"' EXIT
S="sox -q -n -r 22050 -c 1 -b 16"
$S $t/k.wav synth 0.18 sine 420 fade q 0.001 0.18 0.16 gain -4
$S $t/h.wav synth 0.12 brownnoise bandpass 900 400 fade q 0.001 0.12 0.1 gain -2
$S $t/c.wav synth 0.06 whitenoise gain -8 highpass 2500 fade q 0.001 0.06 0.05 delay 0.09
$S $t/f.wav synth 0.3 pinknoise lowpass 1800 fade q 0.001 0.3 0.28 gain -16 delay 0.12
sox -q -m $t/k.wav $t/h.wav $t/c.wav $t/f.wav "$out" gain -n -1
