#!/usr/bin/env bash
# Slowpoke's big old hog-leg: a deep, heavy boom.
source ./_lib.sh
gunshot "$WORK/out.wav" 1800 70 0.6
finish "$WORK/out.wav" "$1"
