#!/usr/bin/env bash
# Lamp globe bursting: a soft pop of the flame and a tinkle of globe glass.
set -euo pipefail
out=$1
t=$(mktemp -d); trap 'rm -rf "$t"' EXIT
S="sox -q -n -r 22050 -c 1 -b 16"
$S $t/pop.wav synth 0.09 brownnoise gain -4 lowpass 900 fade q 0.001 0.09 0.08
$S $t/hit.wav synth 0.04 whitenoise gain -4 bandpass 2800 1600 fade q 0.001 0.04 0.035 gain -2
$S $t/glass.wav synth 0.3 whitenoise gain -4 highpass 3800 fade q 0.002 0.3 0.28 gain -7 pad 0.02
$S $t/s1.wav synth 0.16 sine 5000 fade q 0.001 0.16 0.15 gain -12 pad 0.1
$S $t/s2.wav synth 0.13 sine 4100 fade q 0.001 0.13 0.12 gain -12 pad 0.2
sox -q -m $t/pop.wav $t/hit.wav $t/glass.wav $t/s1.wav $t/s2.wav "$out" gain -n -1
