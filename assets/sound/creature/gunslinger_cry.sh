#!/usr/bin/env bash
# The gunslinger whoops: "yee-haw!".
source ./_lib.sh
voice "$WORK/a.wav" 0.22 220 330 330 2200
voice "$WORK/b.wav" 0.35 330 200 780 1150
join "$WORK/out.wav" "$WORK/a.wav" "$WORK/b.wav"
finish "$WORK/out.wav" "$1"
