#!/usr/bin/env bash
# A duel with the real program: from the main menu a new game starts, Esc in
# play opens the quit dialog, Shift held while PLUMBRIDE is typed loads the
# duel level 1001; the street has no doors and READY shows over it for a
# second; the middle duelist's draw shows
# (the pale strokes round his gun hand), a click on him then fells him
# without costing a life; a click on a duelist who never draws fells him too
# but costs a star.
#
# The test's copy of the game folder gives level 1001 its own duelists (the
# shipped pictures): left and right never draw, the middle one draws after
# his random wait and then holds his gun, never firing.
. "$E2E_LIB/common.sh"

BACK=back/duel_day.bmp
MIDDLE=100x190+251+110          # the middle duelist's picture
read_layout
LEFT_X=${CREATURE_ZONE_CENTRE_X[0]}; MIDDLE_X=${CREATURE_ZONE_CENTRE_X[1]}; AIM_Y=220
LIVES=160x78+480+0              # the three stars
REST_X=330; REST_Y=335

# Pixels of the draw cue's pale yellow in a region of a screenshot.
cue_pixels() { colour_pixels "$1" "$2" "#fff6b0"; }

make_game_copy
[ -f "$WORK/data/gfx/$BACK" ] || fail "no $BACK in the game folder"
never=(); for _ in $(seq 20); do never+=(0); done
draws=(0 0 0 0); for _ in $(seq 30); do draws+=(1); done
duelist 40 "${never[@]}" > "$WORK/data/object/e2e_stands.txt"
duelist 0 "${draws[@]}" > "$WORK/data/object/e2e_draws.txt"
# Level 1001 of the copy: its own duelists; everything else stays shipped.
awk '/^LEVEL 1001$/ {skip = 1} !skip {print} skip && /^END_OF_LEVEL/ {skip = 0}' \
  "$GAME_DIR/data/levels/levels.txt" > "$WORK/data/levels/levels.txt"
cat >> "$WORK/data/levels/levels.txt" <<EOF
LEVEL 1001
BACK $BACK
CREATURE e2e_stands.txt 0
CREATURE e2e_draws.txt 0
CREATURE e2e_stands.txt 0
MODE 1
MAX_BANDIT 3
NEXT 1001
END_OF_LEVEL 1001
EOF
printf 'GFX_MODE 1\nGFX_COLOR 32\nMUSIC_ON 0\n' > "$WORK/setup.cfg"
for c in intro gameover goodbye start1; do echo "delay 1" > "$WORK/data/comix/$c.cmx"; done
convert "$WORK/data/gfx/$BACK" "$WORK/duel_back.png"

start_game
wait_window 20
# Through the main menu's New game into level 1 (recognised by its kill bar).
in_game=""
for i in $(seq 40); do
  sleep 0.5
  kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended: $(cat "$WORK/out.txt")"
  frame_shot "$WORK/s.png"
  if in_game "$WORK/s.png"; then in_game=1; break; fi
  [ $((i % 4)) -eq 3 ] && click_at 65 263
done
[ -n "$in_game" ] || fail "no level after 20 s"
note "level 1 is on the screen"

# Esc, then PLUMBRIDE with Shift held: the duel.
xdotool mousemove --window "$WID" $REST_X $REST_Y
press_key Escape
sleep 0.8
# Typed as real key strokes (the pointer is over the window, which takes them).
xdotool keydown Shift_L
sleep 0.1
for k in p l u m b r i d e; do
  xdotool keydown "$k"; sleep 0.06; xdotool keyup "$k"; sleep 0.06
done
xdotool keyup Shift_L
start=$(date +%s.%N)
sleep 0.3
frame_shot "$WORK/duel.png"
# No doors: where door 0's leaf hangs in the door game the street shows.
d=$(diff_in "$WORK/duel.png" "$WORK/duel_back.png" 20x20+36+90)
above "$d" 0.05 && fail "no duel street after PLUMBRIDE (diff $d to the duel background where door 0 would be)"
note "PLUMBRIDE: the duel street, without doors"
convert "$WORK/duel.png" -crop "$LIVES" +repage "$WORK/lives0.png"

# READY stands over the middle duelist for a second; then wait for his
# draw, and shoot him.
sleep 1
drawn=""
for _ in $(seq 40); do
  frame_shot "$WORK/w.png"
  n=$(cue_pixels "$WORK/w.png" "$MIDDLE")
  if [ "${n:-0}" -ge 15 ]; then drawn=1; break; fi
  sleep 0.1
done
[ -n "$drawn" ] || fail "the middle duelist did not draw (no cue pixels)"
[ "$(cue_pixels "$WORK/w.png" 100x190+31+110)" -lt 5 ] || fail "the left duelist shows the draw cue, yet he never draws"
cp "$WORK/w.png" "$WORK/drawn.png"
note "the middle duelist draws: $n cue pixels round his hand"
click_at $MIDDLE_X $AIM_Y
sleep 0.1
xdotool mousemove --window "$WID" $REST_X $REST_Y
sleep 0.6
frame_shot "$WORK/felled.png"
d=$(diff_in "$WORK/drawn.png" "$WORK/felled.png" "$MIDDLE")
above "$d" 0.15 || fail "the middle duelist did not fall (diff $d)"
[ "$(cue_pixels "$WORK/felled.png" "$MIDDLE")" -lt 5 ] || fail "the felled duelist still shows his draw"
d=$(diff_in "$WORK/duel.png" "$WORK/felled.png" "$LIVES")
above "$d" 0.01 && fail "felling a duelist who had drawn cost a star (diff $d)"
note "he fell, no star lost"

# The left duelist never draws: shooting him is a foul.
click_at $LEFT_X $AIM_Y
sleep 0.1
xdotool mousemove --window "$WID" $REST_X $REST_Y
sleep 0.6
frame_shot "$WORK/foul.png"
d=$(diff_in "$WORK/felled.png" "$WORK/foul.png" 100x190+31+110)
above "$d" 0.15 || fail "the left duelist did not fall (diff $d)"
d=$(diff_in "$WORK/felled.png" "$WORK/foul.png" "$LIVES")
above "$d" 0.01 || fail "shooting a duelist who had not drawn cost no star (diff $d)"
elapsed=$(awk -v s="$start" -v e="$(date +%s.%N)" 'BEGIN{print e - s}')
above "$elapsed" 7.3 && fail "the checks took ${elapsed}s, past the duel's 7.5 s"
note "the foul felled him and cost a star (${elapsed}s into the duel)"
