#!/usr/bin/env bash
# The drunk is hit: "hic", a groan and his bottle rolling away.
source ./_lib.sh
voice "$WORK/a.wav" 0.07 260 380 350 2000
voice "$WORK/b.wav" 0.5 150 90 500 900 tremolo 5 40
join "$WORK/v.wav" "$WORK/a.wav" "$WORK/b.wav"
clink "$WORK/c.wav" 1450 0.5
clink "$WORK/d.wav" 1450 0.66
mix "$WORK/out.wav" "$WORK/v.wav" "$WORK/c.wav" "$WORK/d.wav"
finish "$WORK/out.wav" "$1"
