#!/usr/bin/env bash
# The feinter is hit: a rising-falling "wha-ah!" and a fall.
source ./_lib.sh
voice "$WORK/a.wav" 0.18 160 240 700 1300
voice "$WORK/b.wav" 0.3 240 110 760 1150
join "$WORK/v.wav" "$WORK/a.wav" "$WORK/b.wav"
thud "$WORK/t.wav" 0.4
mix "$WORK/out.wav" "$WORK/v.wav" "$WORK/t.wav"
finish "$WORK/out.wav" "$1"
