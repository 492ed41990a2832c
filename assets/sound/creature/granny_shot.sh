#!/usr/bin/env bash
# Granny taps her cane on the boards (she never fires; the sound is only loaded).
source ./_lib.sh
tap "$WORK/a.wav"
tap "$WORK/b.wav" 0.22
mix "$WORK/out.wav" "$WORK/a.wav" "$WORK/b.wav"
finish "$WORK/out.wav" "$1"
