#!/usr/bin/env bash
# Playing the game with the real program: after loading (and the intro,
# skipped with Esc if one shows) a level appears; a quick click on the open
# street fires (a bullet hole, one cartridge fewer on the display); a held
# click on the bandit standing in the middle door fires, the bandit falls
# and, as he was the level's only bandit to shoot, the kill bar goes; after
# the quota pause the next level comes, whose townsfolk walk in and out
# unharmed and so raise the score; Q ends the game and the program leaves
# with status 0.  The close button in play leaves at once, with status 0.
# The gun sight's centre is drawn on the pointer's pixel, and the shot lands
# there.
#
# The test plays its own levels in its copy of the game folder: level 1 has
# one kind of bandit who stands in the doorway a long while and never fires,
# all three doors open at once; level 2 has only townsfolk.
. "$E2E_LIB/common.sh"

BACK=back/street_day.bmp
STREET_X=195; STREET_Y=285       # plain wall between doors 0 and 1
read_layout
BANDIT_X=${CREATURE_ZONE_CENTRE_X[1]}; BANDIT_Y=220   # the middle door's bandit, chest high
REST_X=330; REST_Y=335           # where the pointer waits while we look
CARTRIDGES=110x70+505+395        # the cartridge display (bottom-centre at 560, 460)
SCORE=100x27+165+5               # the score's digits and dollar sign
DOOR1=90x180+256+132             # the middle doorway's creature zone
HOLE="10x10+$STREET_X+$STREET_Y" # a bullet hole, top-left at the shot

# A creature file of the shipped kind $1 with type $2, delay $3, score 50
# and the tick values that follow (pictures and sounds stay the shipped ones).
own_creature() {
  local kind=$1 type=$2 delay=$3; shift 3
  local ticks=("$@")
  {
    awk -v type="$type" -v delay="$delay" '$1 == "TICKS" {exit}
      $1 == "TYPE" {print "TYPE " type; next}
      $1 == "DELAY" {print "DELAY " delay; next}
      $1 == "SCORE" {print "SCORE 50"; next}
      {print}' "$WORK/data/object/$kind"
    echo "TICKS ${#ticks[@]}"
    for i in "${!ticks[@]}"; do echo "$i ${ticks[$i]}"; done
  }
}

make_game_copy
for f in data/object/slick.txt data/object/lady.txt "data/gfx/$BACK"; do
  [ -f "$WORK/$f" ] || fail "no $f in the game folder"
done
stand=(0 0 0 0); for _ in $(seq 36); do stand+=(1); done   # 4 ticks to open, then 36 standing
own_creature slick.txt 1 40 "${stand[@]}" > "$WORK/data/object/e2e_bandit.txt"
own_creature lady.txt 0 8 0 0 0 0 1 1 0 0 > "$WORK/data/object/e2e_folk.txt"
cat > "$WORK/data/levels/levels.txt" <<EOF
LEVEL 1
CREATURE e2e_bandit.txt 1
BACK $BACK
MODE 0
MAX_DOORS_OPEN 3
REFRESH_DOOR 1000
MAX_BANDIT 1
NEXT 2
END_OF_LEVEL 1
LEVEL 2
CREATURE e2e_folk.txt 1
BACK $BACK
MODE 0
MAX_DOORS_OPEN 3
REFRESH_DOOR 1000
MAX_BANDIT 50
NEXT 2
END_OF_LEVEL 2
EOF
printf 'GFX_MODE 1\nGFX_COLOR 32\nMUSIC_ON 1\n' > "$WORK/setup.cfg"   # a 640 x 480 window
# The comics after the game are not under test: make them instant.
echo "delay 1" > "$WORK/data/comix/gameover.cmx"
echo "delay 1" > "$WORK/data/comix/goodbye.cmx"
for i in $(seq 10); do printf '99999\tSHARPSHOOTER\n'; done > "$WORK/top.txt"   # no score of ours enters
convert "$WORK/data/gfx/$BACK" "$WORK/background.png"
marked_pointer cursor1.bmp   # the sight's centre marked

# Starts the program, skips the intro, starts a new game from the menu and
# waits for the level.
start_and_reach_level() {
  start_game
  wait_window 20
  wait_menu 30
  click_at $NEW_GAME_X $NEW_GAME_Y
  local in_game="" i d
  for i in $(seq 40); do
    sleep 0.25
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended: $(cat "$WORK/out.txt")"
    frame_shot "$WORK/s.png"
    # The level's background and the kill bar (light grey at x 634): the game.
    d=$(diff_in "$WORK/s.png" "$WORK/background.png" 640x200+0+330)
    if ! above "$d" 0.5 && in_game "$WORK/s.png"; then in_game=1; break; fi
  done
  [ -n "$in_game" ] || fail "no level on the screen 10 s after New game"
}

start_and_reach_level
note "the level is on the screen"

# All three doors fill at once; after the 4 ticks of opening the bandits stand.
xdotool mousemove --window "$WID" $REST_X $REST_Y
sleep 2.5
frame_shot "$WORK/before.png"
# The kill bar is there: 4 light grey lines at x 633..636.
bar=$(pixel "$WORK/before.png" 634 300)
[ "$bar" = "200,200,200" ] || fail "no kill bar before the kill (pixel $bar)"

# A quick click on the open street fires: a hole, one cartridge fewer.
# (The pointer is brought there first and given time to arrive: the click
# must find the aim on the spot.)
xdotool mousemove --window "$WID" $STREET_X $STREET_Y; sleep 0.3
frame_shot "$WORK/aim.png"
centre=$(green_centre "$WORK/aim.png")
[ "$centre" = "$STREET_X $STREET_Y" ] || fail "the sight's centre is drawn at (${centre:-nowhere}), the pointer is at ($STREET_X, $STREET_Y)"
note "the sight's centre is on the pointer"
quick_click_at $STREET_X $STREET_Y
sleep 0.1   # the shot is fired by the next frame, at the aim of that frame
xdotool mousemove --window "$WID" $REST_X $REST_Y
sleep 0.5
frame_shot "$WORK/quick.png"
d=$(diff_in "$WORK/before.png" "$WORK/quick.png" "$HOLE")
above "$d" 0.2 || fail "a quick click left no bullet hole at ($STREET_X, $STREET_Y) (diff $d)"
d=$(diff_in "$WORK/before.png" "$WORK/quick.png" "$CARTRIDGES")
above "$d" 0.01 || fail "the cartridge display did not change after a quick click (diff $d)"
note "quick click fired: hole and cartridge display changed"

# A held click on the middle door's bandit: he falls, the quota of one is met.
frame_shot "$WORK/standing.png"
xdotool mousemove --window "$WID" $BANDIT_X $BANDIT_Y; sleep 0.3
click_at $BANDIT_X $BANDIT_Y
sleep 0.1
xdotool mousemove --window "$WID" $REST_X $REST_Y
bar_gone() { [ "$(pixel "$1" 634 300)" != "200,200,200" ]; }
wait_for 5 bar_gone || fail "the kill bar is still there at the quota"
sleep 0.5
frame_shot "$WORK/fallen.png"
d=$(diff_in "$WORK/standing.png" "$WORK/fallen.png" "$DOOR1")
above "$d" 0.1 || fail "the bandit in the middle door did not fall (diff $d)"
d=$(diff_in "$WORK/quick.png" "$WORK/fallen.png" "$CARTRIDGES")
above "$d" 0.01 || fail "the cartridge display did not change after a held click (diff $d)"
note "held click fired: the bandit fell, the kill bar is gone"

# 270 ticks after the kill the next level: townsfolk come and go and the score rises.
next_level() { above "$(diff_in "$WORK/before.png" "$1" 40x30+60+0)" 0.02; }
wait_for 15 next_level || fail "the level number did not change"
# (a kill on the easiest difficulty earns nothing: only the townsfolk who
# leave unharmed move the score, after their doors have opened and shut)
score_moved() { above "$(diff_in "$WORK/before.png" "$1" "$SCORE")" 0.02; }
wait_for 10 score_moved || fail "the score did not change in level 2"
note "level 2: the level number and the score changed"

press_key q
sleep 1.5               # the game-over comic (instant here), then the table
click_at 330 240        # the score earns no row: a click closes the table
wait_menu 10 noskip
press_key q
wait_exit 20
[ "$RC" -eq 0 ] || fail "Q ended the program with status $RC: $(cat "$WORK/out.txt")"
note "Q: the game ended, the table showed, Q in the menu left with status 0"

# The window's close button in the middle of a level ends the program at
# once with status 0, without the game-over comic (made endless here).
printf 'delay 100000\n' > "$WORK/data/comix/gameover.cmx"
start_and_reach_level
"$E2E_TOOLS/wm_close" "$WID"
wait_exit 5
[ "$RC" -eq 0 ] || fail "the close button ended the program with status $RC: $(cat "$WORK/out.txt")"
note "close button in play: exit 0 at once"
