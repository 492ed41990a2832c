#!/usr/bin/env bash
# The twin is hit: a short "ugh!" and a fall.
source ./_lib.sh
voice "$WORK/v.wav" 0.3 170 100 560 1000 overdrive 6
thud "$WORK/t.wav" 0.28
mix "$WORK/out.wav" "$WORK/v.wav" "$WORK/t.wav"
finish "$WORK/out.wav" "$1"
