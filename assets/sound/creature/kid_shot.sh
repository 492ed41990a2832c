#!/usr/bin/env bash
# A slide whistle from the kid's pocket (he never fires; the sound is only loaded).
source ./_lib.sh
whistle "$WORK/out.wav" 0.4 600 1800
finish "$WORK/out.wav" "$1"
