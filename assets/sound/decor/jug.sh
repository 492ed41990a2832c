#!/usr/bin/env bash
# Stoneware jug cracking apart: a dull crack and heavy shards.
set -euo pipefail
out=$1
t=$(mktemp -d); trap 'rm -rf "$t"' EXIT
S="sox -q -n -r 22050 -c 1 -b 16"
$S $t/crack.wav synth 0.08 pinknoise gain -4 bandpass 1300 900 fade q 0.001 0.08 0.07
$S $t/thud.wav synth 0.15 sine 160 fade q 0.001 0.15 0.14 gain -3
$S $t/body.wav synth 0.3 brownnoise gain -4 bandpass 700 500 fade q 0.002 0.3 0.28 gain -2
$S $t/s1.wav synth 0.08 sine 2100 fade q 0.001 0.08 0.07 gain -10 pad 0.12
$S $t/s2.wav synth 0.07 sine 1700 fade q 0.001 0.07 0.06 gain -10 pad 0.2
$S $t/s3.wav synth 0.06 sine 2500 fade q 0.001 0.06 0.05 gain -12 pad 0.26
sox -q -m $t/crack.wav $t/thud.wav $t/body.wav $t/s1.wav $t/s2.wav $t/s3.wav "$out" gain -n -1
