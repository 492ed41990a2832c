#!/usr/bin/env bash
# A little pop as a speech balloon appears.
set -euo pipefail
sox -n -r 22050 -c 1 -b 16 "$1" synth 0.1 sine 320-980 fade h 0.005 0.1 0.06 gain -n -4
