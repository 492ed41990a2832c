#!/usr/bin/env bash
# The deputy's star catches the light: a bright two-note chime.
set -euo pipefail
t=$(mktemp -d)
trap 'rm -rf "$t"' EXIT
f="-r 22050 -c 1 -b 16"
sox -n $f "$t/a.wav" synth 1.4 sine 1568 fade l 0 1.4 1.38
sox -n $f "$t/b.wav" synth 1.4 sine 2349 fade l 0 1.4 1.2 pad 0.09
sox -n $f "$t/c.wav" synth 1.4 sine 3136 fade l 0 1.4 1.0 pad 0.09
sox -m "$t/a.wav" "$t/b.wav" "$t/c.wav" $f "$1" trim 0 1.45 gain -n -2
