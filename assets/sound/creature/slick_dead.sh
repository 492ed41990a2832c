#!/usr/bin/env bash
# Slick is hit: a clipped, surprised "agh!" and a light fall.
source ./_lib.sh
voice "$WORK/v.wav" 0.38 210 120 780 1200 overdrive 6
thud "$WORK/t.wav" 0.3
mix "$WORK/out.wav" "$WORK/v.wav" "$WORK/t.wav"
finish "$WORK/out.wav" "$1"
