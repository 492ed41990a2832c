#!/usr/bin/env bash
# A duel that follows its comic: the player reads the duel's start comic for
# 9 s before he clicks on.  READY shows over the street, and 3 s after the
# click the duel is still on, its three duelists standing (the reading time
# is not taken from the duel's 7.5 s).  After the duel, the next level's
# start comic is read for 6 s, and that level too begins with READY and
# then plays.
. "$E2E_LIB/common.sh"

BACK=back/duel_day.bmp
DUELIST_AREAS=(100x190+31+110 100x190+251+110 100x190+473+110)
COMIC_PAPER_AT="320 470"        # a pixel of the comic's paper, off the plate
REST_X=330; REST_Y=335

make_game_copy
never=(); for _ in $(seq 20); do never+=(0); done
duelist 40 "${never[@]}" > "$WORK/data/object/e2e_stands.txt"
{
  echo "image 0 paper.bmp"
  echo "virtual 0 0 0 0 640 480"
  echo "vis_on 0"
  echo "delay 1"
  echo "pause"
} > "$WORK/data/comix/e2e_read.cmx"
# Level 1: the duel after a comic; level 2: the shipped first street after
# the same comic.
{
  awk '/^LEVEL 1$/ {skip = 1} /^LEVEL 2$/ {skip = 1} !skip {print} skip && /^END_OF_LEVEL/ {skip = 0}' \
    "$GAME_DIR/data/levels/levels.txt"
  printf 'LEVEL 1\nKOMIX_START e2e_read.cmx\nBACK %s\n' "$BACK"
  printf 'CREATURE e2e_stands.txt 0\nCREATURE e2e_stands.txt 0\nCREATURE e2e_stands.txt 0\n'
  printf 'MODE 1\nMAX_BANDIT 3\nNEXT 2\nEND_OF_LEVEL 1\n'
  awk '/^LEVEL 1$/,/^END_OF_LEVEL 1$/' "$GAME_DIR/data/levels/levels.txt" |
    sed 's/^LEVEL 1$/LEVEL 2/; s/^END_OF_LEVEL 1$/END_OF_LEVEL 2/; s/^KOMIX_START .*/KOMIX_START e2e_read.cmx/; s/^NEXT .*/NEXT 2/'
} > "$WORK/data/levels/levels.new"
mv "$WORK/data/levels/levels.new" "$WORK/data/levels/levels.txt"
printf 'GFX_MODE 1\nGFX_COLOR 32\nMUSIC_ON 0\nSCALE 1\n' > "$WORK/setup.cfg"
for c in intro gameover goodbye; do echo "delay 1" > "$WORK/data/comix/$c.cmx"; done
convert "$WORK/data/gfx/$BACK" "$WORK/duel_back.png"
paper=$(convert "$WORK/data/comix/paper.bmp" -format "%[fx:int(255*p{${COMIC_PAPER_AT% *},${COMIC_PAPER_AT#* }}.r)],%[fx:int(255*p{${COMIC_PAPER_AT% *},${COMIC_PAPER_AT#* }}.g)],%[fx:int(255*p{${COMIC_PAPER_AT% *},${COMIC_PAPER_AT#* }}.b)]" info:)

# Waits up to $1 s for the reading comic's paper; fails otherwise.
wait_comic() {
  for _ in $(seq $(($1 * 4))); do
    frame_shot "$WORK/c.png"
    [ "$(pixel "$WORK/c.png" $COMIC_PAPER_AT)" = "$paper" ] && return 0
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended: $(cat "$WORK/out.txt")"
    sleep 0.25
  done
  fail "no start comic after $1 s"
}

start_game
wait_window 20
wait_menu 30
click_at $NEW_GAME_X $NEW_GAME_Y
wait_comic 10
note "the duel's start comic waits for the player"
sleep 9
frame_shot "$WORK/read.png"
[ "$(pixel "$WORK/read.png" $COMIC_PAPER_AT)" = "$paper" ] || fail "the comic did not wait 9 s for the player"
click_at $REST_X $REST_Y
clicked=$(date +%s.%N)
sleep 0.3
frame_shot "$WORK/ready.png"
n=$(colour_pixels "$WORK/ready.png" $READY_PLATE "$READY_PAPER")
[ "${n:-0}" -ge 800 ] || fail "no READY plate over the duel street ($n paper pixels)"
note "READY over the duel street"
sleep $(awk -v c="$clicked" -v n="$(date +%s.%N)" 'BEGIN{d = 3 - (n - c); print (d > 0 ? d : 0)}')
frame_shot "$WORK/duel3s.png"
in_game "$WORK/duel3s.png" && fail "3 s after the comic the duel is over: a door level's kill bar shows"
for area in "${DUELIST_AREAS[@]}"; do
  d=$(diff_in "$WORK/duel3s.png" "$WORK/duel_back.png" "$area")
  above "$d" 0.15 || fail "3 s after the comic no duelist stands at $area (diff $d to the bare street)"
done
n=$(colour_pixels "$WORK/duel3s.png" $READY_PLATE "$READY_PAPER")
[ "${n:-0}" -lt 100 ] || fail "READY still shows 3 s after the comic"
note "3 s after the click the duel is on, three duelists standing"

# The duel runs its 7.5 s; then the next level's comic, read for 6 s.
wait_comic 15
note "the next level's comic waits for the player"
sleep 6
click_at $REST_X $REST_Y
sleep 0.3
frame_shot "$WORK/ready2.png"
n=$(colour_pixels "$WORK/ready2.png" $READY_PLATE "$READY_PAPER")
[ "${n:-0}" -ge 800 ] || fail "no READY plate at the start of the street level ($n paper pixels)"
sleep 1.5
frame_shot "$WORK/street.png"
in_game "$WORK/street.png" || fail "no street level after its comic (no kill bar)"
n=$(colour_pixels "$WORK/street.png" $READY_PLATE "$READY_PAPER")
[ "${n:-0}" -lt 100 ] || fail "READY still shows 1.8 s into the street level"
note "the street level begins with READY, then plays"
