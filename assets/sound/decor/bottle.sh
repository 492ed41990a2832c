#!/usr/bin/env bash
# Bottle bursting: a glassy pop and a quick tinkle of shards.
set -euo pipefail
out=$1
t=$(mktemp -d); trap 'rm -rf "$t"' EXIT
S="sox -q -n -r 22050 -c 1 -b 16"
$S $t/pop.wav synth 0.05 whitenoise gain -4 bandpass 3000 1500 fade q 0.001 0.05 0.045
$S $t/ring.wav synth 0.12 sine 2600 fade q 0.001 0.12 0.11 gain -6
$S $t/spray.wav synth 0.3 whitenoise gain -4 highpass 4000 fade q 0.002 0.3 0.28 gain -6
$S $t/s1.wav synth 0.14 sine 5200 fade q 0.001 0.14 0.13 gain -11 pad 0.09
$S $t/s2.wav synth 0.12 sine 6400 fade q 0.001 0.12 0.11 gain -12 pad 0.17
sox -q -m $t/pop.wav $t/ring.wav $t/spray.wav $t/s1.wav $t/s2.wav "$out" gain -n -1
