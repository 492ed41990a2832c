#!/usr/bin/env bash
# Hanging sign knocked swinging: a wooden thock and a creaking chain.
set -euo pipefail
out=$1
t=$(mktemp -d); trap 'rm -rf "$t"' EXIT
S="sox -q -n -r 22050 -c 1 -b 16"
$S $t/thock.wav synth 0.1 pinknoise gain -4 bandpass 800 600 fade q 0.001 0.1 0.09
$S $t/body.wav synth 0.12 sine 190 fade q 0.001 0.12 0.11 gain -3
$S $t/creak.wav synth 0.45 sawtooth 260-330 bandpass 700 400 tremolo 34 80 fade q 0.02 0.45 0.2 gain -9 pad 0.08
$S $t/creak2.wav synth 0.3 sawtooth 330-250 bandpass 700 400 tremolo 30 80 fade q 0.02 0.3 0.15 gain -11 pad 0.5
sox -q -m $t/thock.wav $t/body.wav $t/creak.wav $t/creak2.wav "$out" gain -n -1
