#!/usr/bin/env bash
# A duelist fires in the open street: a hard crack and a long echo rolling
# back from the far end of town.
source ../creature/_lib.sh
gunshot "$WORK/g.wav" 4800 80 0.45
sox "$WORK/g.wav" "$WORK/out.wav" pad 0 0.9 echo 0.8 0.75 420 0.3 880 0.16 reverb 30 60 60
finish "$WORK/out.wav" "$1"
