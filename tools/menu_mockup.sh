#!/usr/bin/env bash
# Composes the menu screens from the rendered menu pictures, the way the game
# draws them, with every hot rectangle outlined in cyan, so the layout can be
# checked by eye.  Not a test: it only writes PNGs.
# Usage: menu_mockup.sh [DATA_DIR] [OUT_DIR]
#   DATA_DIR  the game's data tree (default build/game/data)
#   OUT_DIR   where the PNGs go (default menu_mockup/ in the working directory)
set -euo pipefail
data=${1:-build/game/data}
out=${2:-menu_mockup}
m=$data/gfx/menu
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Masked pictures: the mask colour becomes transparent.
for f in "$m"/*.bmp "$data"/gfx/font/font1.bmp "$data"/gfx/font/font2.bmp; do
  convert "$f" -transparent '#ff00ff' "$tmp/$(basename "${f%.bmp}").png"
done

args=()
put() {  # put NAME X Y: draw a picture (masked or opaque) at X, Y
  args+=( "$tmp/$1.png" -geometry "+$2+$3" -composite )
}
cut() {  # cut NAME SX SY W H X Y: draw a part of a picture
  args+=( \( "$tmp/$1.png" -crop "$4x$5+$2+$3" +repage \) -geometry "+$6+$7" -composite )
}
hot() {  # hot X1 Y1 X2 Y2: outline a hot rectangle (its border pixels are outside it)
  args+=( -fill none -stroke cyan -strokewidth 1 -draw "rectangle $1,$2 $3,$4" )
}
digits() {  # digits TEXT X Y: the digit font, 13 x 27 cells of $0123456789 (the game writes 250$)
  local t=$1 x=$2 i c k
  for ((i = 0; i < ${#t}; i++)); do
    c=${t:i:1}
    if [ "$c" = '$' ]; then k=0; else k=$((c + 1)); fi
    cut font1 $((k * 13)) 0 13 27 "$x" "$3"
    x=$((x + 13))
  done
}
word() {  # word TEXT X Y: the letter font, 10 x 15 cells of A..Z and [
  local t=$1 x=$2 i c k
  for ((i = 0; i < ${#t}; i++)); do
    c=${t:i:1}
    if [ "$c" != ' ' ]; then
      k=$(( $(printf '%d' "'$c") - 65 ))
      cut font2 $((k * 10)) 0 10 15 "$x" "$3"
    fi
    x=$((x + 10))
  done
}
screen() {  # screen OUT BASE: start a screen from a base picture or "black"
  args=( -size 640x480 xc:black )
  if [ "$1" != black ]; then args=( "$1" -resize '640x480!' ); fi
}
finish() {
  convert "${args[@]}" -flatten "$out/$1.png"
  echo "$out/$1.png"
}

# Main menu.
screen black
put bck 0 140; put menuleft 0 76; put wanteds 475 315
hot 40 246 90 281; hot 40 296 122 341; hot 40 346 90 381; hot 475 315 565 433
finish main

# Options: the dummies at two sets of heights, mute marks in the second.
options() {  # options NAME MUSIC SOUND MOUSE DIFPIC
  screen black
  put bck 0 140; put menuhang 220 0; put cancel 40 280
  cut hangmen 0 0 40 134 308 $((201 - $2))
  cut hangmen 40 0 40 134 382 $((201 - $3))
  cut hangmen 80 0 40 134 464 $((100 + $4))
  if [ "$2" = 0 ]; then put mute 318 220; fi
  if [ "$3" = 0 ]; then put mute 392 220; fi
  put "$5" 280 350
  hot 40 280 110 320; hot 308 100 348 240; hot 382 100 422 240; hot 464 100 504 240; hot 270 340 540 480
  finish "$1"
}
options options_mid 50 70 20 difgood
options options_ends 0 0 100 difugly
options options_top 100 100 0 difbad

# Difficulty screen, each column lit in turn.
for c in a b c; do
  screen black
  put m02 0 0
  case $c in a) put m02a 0 0 ;; b) put m02b 214 0 ;; c) put m02c 423 0 ;; esac
  hot 0 0 214 480; hot 214 0 423 480; hot 423 0 640 480
  finish "difficulty_$c"
done

# Quit dialog over a street.
back=$(ls "$data"/gfx/back/*.bmp 2>/dev/null | head -n 1 || true)
screen "${back:-black}"
put yesno 205 31
hot 205 151 305 211; hot 320 170 435 230
finish quit

# Top-ten table with ten rows and the one-line message.
screen black
put wanted 150 22
names=("BILLY THE KID" "CALAMITY JANE" "DOC" "WYATT" "ANNIE OAKLEY SHOOTS" "BUTCH" "SUNDANCE" "NOBODY" "BAT" "JESSE")
for r in 0 1 2 3 4 5 6 7 8 9; do
  digits "$(( 9876543 / (r + 1) ))\$" 180 $((160 + 27 * r))
  word "${names[$r]}" 290 $((168 + 27 * r))
done
word "NOT SAVED" 190 440
args+=( -fill none -stroke cyan -draw "rectangle 175,155 500,435" -draw "rectangle 190,438 470,458" )
finish topten

# Name entry over the top-ten poster.
screen black
put wanted 150 22
put name 180 180
word "ANNIE OAKLEY SHOOTS" 235 240
args+=( -fill none -stroke cyan -draw "rectangle 235,240 435,255" )
finish name
