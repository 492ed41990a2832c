#!/usr/bin/env bash
# The kid squeals "yippee!".
source ./_lib.sh
voice "$WORK/a.wav" 0.12 420 480 350 2200
voice "$WORK/b.wav" 0.28 500 700 300 2400
join "$WORK/out.wav" "$WORK/a.wav" "$WORK/b.wav"
finish "$WORK/out.wav" "$1"
