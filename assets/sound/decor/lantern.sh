#!/usr/bin/env bash
# Lantern shot through: tin clank and breaking chimney glass.
set -euo pipefail
out=$1
t=$(mktemp -d); trap 'rm -rf "$t"' EXIT
S="sox -q -n -r 22050 -c 1 -b 16"
$S $t/clank1.wav synth 0.25 sine 880 fade q 0.001 0.25 0.24 gain -4
$S $t/clank2.wav synth 0.2 sine 2310 fade q 0.001 0.2 0.19 gain -8
$S $t/hit.wav synth 0.05 whitenoise gain -4 bandpass 2500 1500 fade q 0.001 0.05 0.045
$S $t/glass.wav synth 0.35 whitenoise gain -8 highpass 3500 gain -3 fade q 0.002 0.35 0.33 gain -6 pad 0.03
$S $t/s1.wav synth 0.15 sine 4800 fade q 0.001 0.15 0.14 gain -12 pad 0.12
$S $t/s2.wav synth 0.12 sine 5900 fade q 0.001 0.12 0.11 gain -12 pad 0.22
sox -q -m $t/clank1.wav $t/clank2.wav $t/hit.wav $t/glass.wav $t/s1.wav $t/s2.wav "$out" gain -n -1
