#!/usr/bin/env bash
# The lady is hit: a high "eek!" and a soft fall of skirts.
source ./_lib.sh
voice "$WORK/a.wav" 0.15 750 1100 400 2600
voice "$WORK/b.wav" 0.3 1100 850 420 2600
join "$WORK/v.wav" "$WORK/a.wav" "$WORK/b.wav"
sox -n -r $RATE -c 1 "$WORK/t.wav" synth 0.25 pinknoise lowpass 1500 fade p 0.01 0 0.2 gain -10 pad 0.42 0
mix "$WORK/out.wav" "$WORK/v.wav" "$WORK/t.wav"
finish "$WORK/out.wav" "$1"
