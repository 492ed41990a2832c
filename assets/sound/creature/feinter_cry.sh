#!/usr/bin/env bash
# The feinter snickers: three quick "hee" sounds.
source ./_lib.sh
voice "$WORK/a.wav" 0.09 260 240 320 2200
voice "$WORK/b.wav" 0.09 250 230 320 2200
voice "$WORK/c.wav" 0.14 240 200 320 2200
sox -n -r $RATE -c 1 "$WORK/gap.wav" trim 0 0.04
join "$WORK/out.wav" "$WORK/a.wav" "$WORK/gap.wav" "$WORK/b.wav" "$WORK/gap.wav" "$WORK/c.wav"
finish "$WORK/out.wav" "$1"
