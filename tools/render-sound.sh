#!/usr/bin/env bash
# Renders one sound recipe to the WAV the game loads.  A recipe is a bash
# script that writes its sound (usually with sox) to the file named by its
# first argument; this wrapper runs it and makes the result 16-bit mono PCM
# at 22050 Hz.  Usage: render-sound.sh recipe.sh out.wav
set -euo pipefail
recipe=$1
out=$2
mkdir -p "$(dirname "$out")"
tmp=$(mktemp --suffix=.wav)
trap 'rm -f "$tmp"' EXIT
( cd "$(dirname "$recipe")" && bash "$(basename "$recipe")" "$tmp" )
rate=22050
case "$(basename "$recipe")" in
  music*) rate=44100 ;;
esac
sox -q "$tmp" -b 16 -e signed-integer -c 1 -r "$rate" "$out"
