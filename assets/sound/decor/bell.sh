#!/usr/bin/env bash
# Bell struck by a bullet: a bright clang that rings out.
set -euo pipefail
out=$1
t=$(mktemp -d); trap 'rm -rf "$t"' EXIT
S="sox -q -n -r 22050 -c 1 -b 16"
$S $t/h.wav synth 1.4 sine 330 fade q 0.002 1.4 1.35 gain -8
$S $t/p.wav synth 1.4 sine 660 fade q 0.002 1.4 1.3 gain -3
$S $t/m.wav synth 1.0 sine 792 fade q 0.002 1.0 0.95 gain -7
$S $t/q.wav synth 0.8 sine 990 fade q 0.002 0.8 0.75 gain -9
$S $t/n.wav synth 0.6 sine 1320 fade q 0.002 0.6 0.55 gain -8
$S $t/hit.wav synth 0.03 whitenoise gain -4 bandpass 3000 2000 fade q 0.001 0.03 0.025 gain -4
sox -q -m $t/h.wav $t/p.wav $t/m.wav $t/q.wav $t/n.wav $t/hit.wav "$out" tremolo 5 20 gain -n -1
