#!/usr/bin/env bash
# The twin's revolver: a clean mid-weight crack.
source ./_lib.sh
gunshot "$WORK/out.wav" 4000 100 0.42
finish "$WORK/out.wav" "$1"
