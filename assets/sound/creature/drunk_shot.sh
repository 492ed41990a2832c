#!/usr/bin/env bash
# The drunk hiccups "hic!" (he never fires; the sound is only loaded).
source ./_lib.sh
voice "$WORK/out.wav" 0.09 240 400 350 2000
finish "$WORK/out.wav" "$1"
