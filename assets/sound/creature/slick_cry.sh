#!/usr/bin/env bash
# Slick sneers: a quick "heh-heh".
source ./_lib.sh
voice "$WORK/a.wav" 0.12 190 170 560 1750
voice "$WORK/b.wav" 0.16 180 150 560 1750
sox -n -r $RATE -c 1 "$WORK/gap.wav" trim 0 0.05
join "$WORK/out.wav" "$WORK/a.wav" "$WORK/gap.wav" "$WORK/b.wav"
finish "$WORK/out.wav" "$1"
