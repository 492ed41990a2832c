#!/usr/bin/env bash
# The brother shouts in anger: a harsh "hey!".
source ./_lib.sh
voice "$WORK/out.wav" 0.35 200 250 650 1800 overdrive 14
finish "$WORK/out.wav" "$1"
