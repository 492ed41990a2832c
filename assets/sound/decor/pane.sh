#!/usr/bin/env bash
# Window pane shattering: a sharp crack, a spray of glass and falling shards.
set -euo pipefail
out=$1
t=$(mktemp -d); trap 'rm -rf "$t"' EXIT
S="sox -q -n -r 22050 -c 1 -b 16"
$S $t/hit.wav synth 0.06 whitenoise gain -4 bandpass 2200 1200 fade q 0.001 0.06 0.05
$S $t/spray.wav synth 0.5 whitenoise gain -4 highpass 3200 fade q 0.002 0.5 0.46 gain -4
$S $t/s1.wav synth 0.22 sine 4300 fade q 0.001 0.22 0.21 gain -10 pad 0.07
$S $t/s2.wav synth 0.18 sine 5600 fade q 0.001 0.18 0.17 gain -11 pad 0.15
$S $t/s3.wav synth 0.25 sine 3700 fade q 0.001 0.25 0.24 gain -10 pad 0.24
$S $t/s4.wav synth 0.15 sine 6200 fade q 0.001 0.15 0.14 gain -12 pad 0.33
sox -q -m $t/hit.wav $t/spray.wav $t/s1.wav $t/s2.wav $t/s3.wav $t/s4.wav "$out" gain -n -1
