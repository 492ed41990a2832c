#!/usr/bin/env bash
# Weather vane hit: a metal ping and the whirr of the spinning arrow.
set -euo pipefail
out=$1
t=$(mktemp -d); trap 'rm -rf "$t"' EXIT
S="sox -q -n -r 22050 -c 1 -b 16"
$S $t/ping.wav synth 0.3 sine 2400 fade q 0.001 0.3 0.29 gain -3
$S $t/ping2.wav synth 0.2 sine 3650 fade q 0.001 0.2 0.19 gain -9
$S $t/whirr.wav synth 0.6 pinknoise gain -4 bandpass 1400 500 tremolo 16 90 fade q 0.05 0.6 0.3 gain -5 pad 0.04
$S $t/squeak.wav synth 0.5 sine 1700-1950 tremolo 8 60 fade q 0.05 0.5 0.3 gain -15 pad 0.1
sox -q -m $t/ping.wav $t/ping2.wav $t/whirr.wav $t/squeak.wav "$out" gain -n -1
