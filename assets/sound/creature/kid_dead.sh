#!/usr/bin/env bash
# The kid is hit: a wobbly "waaah".
source ./_lib.sh
voice "$WORK/out.wav" 0.6 520 380 850 1500 tremolo 9 50
finish "$WORK/out.wav" "$1"
