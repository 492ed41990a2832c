#!/usr/bin/env bash
# The lady calls a cheerful "yoo-hoo".
source ./_lib.sh
voice "$WORK/a.wav" 0.2 520 540 330 2300
voice "$WORK/b.wav" 0.35 660 600 380 800
join "$WORK/out.wav" "$WORK/a.wav" "$WORK/b.wav"
finish "$WORK/out.wav" "$1"
