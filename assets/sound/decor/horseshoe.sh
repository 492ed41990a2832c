#!/usr/bin/env bash
# Horseshoe struck by a bullet: a bright iron ting and a short rattle as it
# spins round on its nail.
set -euo pipefail
out=$1
t=$(mktemp -d); trap 'rm -rf "$t"' EXIT
S="sox -q -n -r 22050 -c 1 -b 16"
$S $t/a.wav synth 0.7 sine 2350 fade q 0.001 0.7 0.68 gain -6
$S $t/b.wav synth 0.5 sine 3720 fade q 0.001 0.5 0.48 gain -10
$S $t/c.wav synth 0.9 sine 1180 fade q 0.001 0.9 0.85 gain -12
$S $t/hit.wav synth 0.025 whitenoise bandpass 4000 2500 fade q 0.001 0.025 0.02 gain -3
$S $t/r.wav synth 0.45 square 18 gain -20 fade q 0.01 0.45 0.2 delay 0.12
sox -q -m $t/a.wav $t/b.wav $t/c.wav $t/hit.wav $t/r.wav "$out" gain -n -1
