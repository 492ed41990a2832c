#!/usr/bin/env bash
# Slowpoke is hit: a deep "oof" and a heavy body on the boards.
source ./_lib.sh
voice "$WORK/v.wav" 0.5 120 65 480 850 overdrive 10
thud "$WORK/t.wav" 0.35
thud "$WORK/t2.wav" 0.42
mix "$WORK/out.wav" "$WORK/v.wav" "$WORK/t.wav" "$WORK/t2.wav"
finish "$WORK/out.wav" "$1"
