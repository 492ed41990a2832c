#!/usr/bin/env bash
# Slick's short-barrelled revolver: a sharp, bright crack.
source ./_lib.sh
gunshot "$WORK/out.wav" 6500 130 0.35
finish "$WORK/out.wav" "$1"
