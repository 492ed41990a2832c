#!/usr/bin/env bash
# The twin calls for his brother: a two-note "bro-ther!".
source ./_lib.sh
voice "$WORK/a.wav" 0.18 200 210 520 950
voice "$WORK/b.wav" 0.3 230 170 600 1250
join "$WORK/out.wav" "$WORK/a.wav" "$WORK/b.wav"
finish "$WORK/out.wav" "$1"
