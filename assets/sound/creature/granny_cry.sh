#!/usr/bin/env bash
# Granny tuts: a quavering "well, I never".
source ./_lib.sh
voice "$WORK/a.wav" 0.18 330 300 420 1900 tremolo 8 50
voice "$WORK/b.wav" 0.15 360 330 400 2100 tremolo 8 50
voice "$WORK/c.wav" 0.3 330 240 700 1150 tremolo 8 50
join "$WORK/out.wav" "$WORK/a.wav" "$WORK/b.wav" "$WORK/c.wav"
finish "$WORK/out.wav" "$1"
