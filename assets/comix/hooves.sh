#!/usr/bin/env bash
# Galloping hooves riding away: clops in threes, fading into the distance.
set -euo pipefail
t=$(mktemp -d)
trap 'rm -rf "$t"' EXIT
f="-r 22050 -c 1 -b 16"
sox -n $f "$t/k.wav" synth 0.05 pinknoise band 900 400 fade l 0 0.05 0.045
sox -n $f "$t/d.wav" synth 0.07 sine 110 fade l 0 0.07 0.06
sox -m "$t/k.wav" "$t/d.wav" "$t/c.wav"
sox -n $f "$t/s1.wav" trim 0 0.04
sox -n $f "$t/s2.wav" trim 0 0.21
list=()
for i in $(seq 7); do list+=("$t/c.wav" "$t/s1.wav" "$t/c.wav" "$t/s1.wav" "$t/c.wav" "$t/s2.wav"); done
sox "${list[@]}" $f "$1" fade 0 -0 1.6 gain -n -2
