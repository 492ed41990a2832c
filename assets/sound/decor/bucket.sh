#!/usr/bin/env bash
# Tin bucket hit: a tinny clang and a slosh of water.
set -euo pipefail
out=$1
t=$(mktemp -d); trap 'rm -rf "$t"' EXIT
S="sox -q -n -r 22050 -c 1 -b 16"
$S $t/c1.wav synth 0.5 sine 523 fade q 0.001 0.5 0.48 gain -4
$S $t/c2.wav synth 0.35 sine 1307 fade q 0.001 0.35 0.33 gain -6
$S $t/c3.wav synth 0.25 sine 2250 fade q 0.001 0.25 0.24 gain -9
$S $t/hit.wav synth 0.04 whitenoise gain -4 bandpass 2000 1500 fade q 0.001 0.04 0.035
$S $t/slosh.wav synth 0.35 pinknoise gain -4 bandpass 500 400 tremolo 9 70 fade q 0.03 0.35 0.25 gain -8 pad 0.08
sox -q -m $t/c1.wav $t/c2.wav $t/c3.wav $t/hit.wav $t/slosh.wav "$out" gain -n -1
