#!/usr/bin/env bash
# The gunslinger goes down: a long "yaaargh" and a fall with a clank of spurs.
source ./_lib.sh
voice "$WORK/v.wav" 0.7 170 80 800 1250 overdrive 12 tremolo 7 30
thud "$WORK/t.wav" 0.55
clink "$WORK/c.wav" 1900 0.58
mix "$WORK/out.wav" "$WORK/v.wav" "$WORK/t.wav" "$WORK/c.wav"
finish "$WORK/out.wav" "$1"
