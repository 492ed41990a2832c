#!/usr/bin/env bash
# Slowpoke grumbles: a low "hrrm".
source ./_lib.sh
voice "$WORK/out.wav" 0.6 95 80 380 700 tremolo 18 40
finish "$WORK/out.wav" "$1"
