#!/usr/bin/env bash
# A quick whoosh as a panel slides onto the page.
set -euo pipefail
sox -n -r 22050 -c 1 -b 16 "$1" synth 0.45 pinknoise band 1400 900 fade q 0.04 0.45 0.32 gain -n -2
