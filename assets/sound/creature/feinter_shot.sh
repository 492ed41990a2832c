#!/usr/bin/env bash
# The feinter's shot: a crack and a whining ricochet.
source ./_lib.sh
gunshot "$WORK/g.wav" 4500 110 0.4
sox -n -r $RATE -c 1 "$WORK/r.wav" synth 0.45 sine 2600-900 fade p 0.005 0 0.3 gain -12 pad 0.08 0
mix "$WORK/out.wav" "$WORK/g.wav" "$WORK/r.wav"
finish "$WORK/out.wav" "$1"
