#!/usr/bin/env bash
# The brother is hit: a falling "nooo" and a fall.
source ./_lib.sh
voice "$WORK/v.wav" 0.55 190 90 380 800 overdrive 6
thud "$WORK/t.wav" 0.45
mix "$WORK/out.wav" "$WORK/v.wav" "$WORK/t.wav"
finish "$WORK/out.wav" "$1"
