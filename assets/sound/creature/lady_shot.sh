#!/usr/bin/env bash
# The lady gasps "oh!" (she never fires; the sound is only loaded).
source ./_lib.sh
voice "$WORK/out.wav" 0.25 420 520 480 900
finish "$WORK/out.wav" "$1"
