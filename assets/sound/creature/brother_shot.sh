#!/usr/bin/env bash
# The brother's revolver: a crack a shade lower than his twin's.
source ./_lib.sh
gunshot "$WORK/out.wav" 3500 85 0.45
finish "$WORK/out.wav" "$1"
