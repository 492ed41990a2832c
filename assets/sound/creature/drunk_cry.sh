#!/usr/bin/env bash
# The drunk slurs a bit of song: "la-di-daa".
source ./_lib.sh
voice "$WORK/a.wav" 0.22 160 150 600 1100
voice "$WORK/b.wav" 0.22 190 185 350 2000
voice "$WORK/c.wav" 0.45 150 120 750 1150 tremolo 5 30
join "$WORK/out.wav" "$WORK/a.wav" "$WORK/b.wav" "$WORK/c.wav"
finish "$WORK/out.wav" "$1"
