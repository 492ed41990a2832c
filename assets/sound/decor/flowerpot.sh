#!/usr/bin/env bash
# Clay flower pot smashing: a hollow clunk, clay bits and a spill of soil.
set -euo pipefail
out=$1
t=$(mktemp -d); trap 'rm -rf "$t"' EXIT
S="sox -q -n -r 22050 -c 1 -b 16"
$S $t/clunk.wav synth 0.12 sine 230 fade q 0.001 0.12 0.11
$S $t/crack.wav synth 0.07 pinknoise gain -4 bandpass 1000 700 fade q 0.001 0.07 0.06
$S $t/soil.wav synth 0.4 brownnoise gain -4 lowpass 1200 tremolo 23 60 fade q 0.01 0.4 0.3 gain -4 pad 0.05
$S $t/s1.wav synth 0.05 sine 1500 fade q 0.001 0.05 0.045 gain -10 pad 0.1
$S $t/s2.wav synth 0.05 sine 1250 fade q 0.001 0.05 0.045 gain -10 pad 0.19
sox -q -m $t/clunk.wav $t/crack.wav $t/soil.wav $t/s1.wav $t/s2.wav "$out" gain -n -1
