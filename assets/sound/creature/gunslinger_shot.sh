#!/usr/bin/env bash
# The gunslinger fires: a loud crack with a long street echo.
source ./_lib.sh
gunshot "$WORK/g.wav" 5200 90 0.5
sox "$WORK/g.wav" "$WORK/out.wav" pad 0 0.4 echo 0.8 0.7 260 0.35 520 0.18
finish "$WORK/out.wav" "$1"
