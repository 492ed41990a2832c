#!/usr/bin/env bash
# Renders one SVG picture to the BMP the game loads: every pixel with alpha
# below one half becomes the mask colour (255, 0, 255), every other pixel
# keeps its colour unblended.  Usage: svg2bmp.sh in.svg out.bmp
set -euo pipefail
in=$1
out=$2
mkdir -p "$(dirname "$out")"
tmp=$(mktemp --suffix=.png)
trap 'rm -f "$tmp"' EXIT
rsvg-convert "$in" -o "$tmp"
convert "$tmp" \( +clone -alpha extract -threshold 50% \) -compose copy-opacity -composite \
  -background '#ff00ff' -alpha remove -type truecolor "BMP3:$out"
