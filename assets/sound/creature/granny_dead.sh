#!/usr/bin/env bash
# Granny is knocked over: a quavering "oh my!" and her cane clattering.
source ./_lib.sh
voice "$WORK/a.wav" 0.2 340 380 480 850 tremolo 8 50
voice "$WORK/b.wav" 0.35 400 280 350 2100 tremolo 8 50
join "$WORK/v.wav" "$WORK/a.wav" "$WORK/b.wav"
tap "$WORK/t1.wav" 0.5
tap "$WORK/t2.wav" 0.6
tap "$WORK/t3.wav" 0.66
mix "$WORK/out.wav" "$WORK/v.wav" "$WORK/t1.wav" "$WORK/t2.wav" "$WORK/t3.wav"
finish "$WORK/out.wav" "$1"
