#!/usr/bin/env bash
# The sad trombone of a lost game: four falling notes, the last one wavering.
set -euo pipefail
t=$(mktemp -d)
trap 'rm -rf "$t"' EXIT
f="-r 22050 -c 1 -b 16"
sox -n $f "$t/1.wav" synth 0.42 sawtooth 196 lowpass 900 fade h 0.03 0.42 0.12
sox -n $f "$t/2.wav" synth 0.42 sawtooth 185 lowpass 900 fade h 0.03 0.42 0.12
sox -n $f "$t/3.wav" synth 0.42 sawtooth 175 lowpass 900 fade h 0.03 0.42 0.12
sox -n $f "$t/4.wav" synth 1.5 sawtooth 165 lowpass 800 tremolo 5 35 fade h 0.03 1.5 0.6
sox "$t/1.wav" "$t/2.wav" "$t/3.wav" "$t/4.wav" $f "$1" reverb 25 gain -n -2
