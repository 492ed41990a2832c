#!/usr/bin/env bash
# The intro comic: it plays frames that change over time; Esc skips it; a
# left click (quick or held) skips it, and that click does not reach the
# game that follows: no shot is fired, so no bullet hole appears where the
# click was, while a click in the game itself leaves one there.  The close
# button during a comic ends the program at once with status 0.
. "$E2E_LIB/common.sh"

BACKGROUND=data/gfx/back/street_day.bmp   # level 1's background
PX=195; PY=285                           # plain wall between doors 0 and 1, above the boardwalk
AWAY_X=560; AWAY_Y=300                   # where the pointer waits while we look
HOLE_REGION="10x10+$PX+$PY"              # a bullet hole is 10 x 10, top-left at the shot

# Share of pixels that differ between two pictures in a region WxH+X+Y,
# through files (ImageMagick's policy refuses /dev/fd inputs).
crop_diff() {
  convert "$1" -crop "$3" +repage "$WORK/cd_a.png" && convert "$2" -crop "$3" +repage "$WORK/cd_b.png" || { echo 1; return; }
  compare -metric AE -fuzz 8% "$WORK/cd_a.png" "$WORK/cd_b.png" null: 2>&1 |
    awk -v r="$3" '{split(r, a, /[x+]/); if ($1 ~ /^[0-9.e+]+$/) print $1 / (a[1] * a[2]); else print 1}'
}
# Share of differing pixels between a screenshot and the level background.
game_diff() { crop_diff "$1" "$WORK/background.png" "${2:-640x480+0+0}"; }
is_game() { awk -v d="$(game_diff "$1")" 'BEGIN{exit !(d < 0.45)}'; }

# A fresh game copy.  With $1 = own, the intro is our own test comic: a
# blue backdrop and a red block sliding across it for half a minute.
prepare() {
  [ -n "${WORK:-}" ] && cleanup_game
  make_game_copy
  [ -f "$WORK/$BACKGROUND" ] || fail "no $BACKGROUND in the game folder"
  convert "$WORK/$BACKGROUND" "$WORK/background.png"
  # Level comics are not under test here: make them instant.
  for c in $(awk '$1 == "KOMIX_START" {print $2}' "$WORK/data/levels/levels.txt"); do
    echo "delay 1" > "$WORK/data/comix/$c"
  done
  if [ "${1:-}" = own ]; then
    convert -size 640x480 xc:'#203c80' BMP3:"$WORK/data/comix/e2e_back.bmp"
    convert -size 60x60 xc:'#d02010' BMP3:"$WORK/data/comix/e2e_block.bmp"
    cat > "$WORK/data/comix/intro.cmx" <<'CMX'
--E2E-TEST-INTRO--
image 0 e2e_back.bmp
image 1 e2e_block.bmp
virtual 0 0 0 0 640 480
vis_on 0
virtual 1 1 0 0 60 60
setxy 1 0 400
move 1 640 400 1 0 4
vis_on 1
delay 3000
CMX
  fi
}

# Waits until the screen is no longer black (the comic shows), $1 s at most.
wait_comic() {
  for _ in $(seq $((${1:-20} * 4))); do
    shot "$WORK/c.png"
    lit=$(convert "$WORK/c.png" -colorspace gray -format "%[fx:mean]" info:)
    if awk -v m="$lit" 'BEGIN{exit !(m > 0.05)}' && ! is_game "$WORK/c.png"; then return 0; fi
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended: $(cat "$WORK/out.txt")"
    sleep 0.25
  done
  fail "no comic on the screen after ${1:-20}s"
}

# Waits until the game screen shows, $1 s at most; sets GAME_SHOT.
wait_game() {
  for _ in $(seq $((${1:-3} * 10))); do
    GAME_SHOT="$WORK/g.png"
    shot "$GAME_SHOT"
    is_game "$GAME_SHOT" && return 0
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended: $(cat "$WORK/out.txt")"
    sleep 0.1
  done
  fail "the game did not appear within ${1:-3}s of skipping the comic"
}

close_and_check() {
  "$E2E_TOOLS/wm_close" "$WID"
  wait_exit 10
  [ "$RC" -eq 0 ] || fail "closing the window ended the program with status $RC: $(cat "$WORK/out.txt")"
}

hole_diff() { crop_diff "$1" "$WORK/background.png" "$HOLE_REGION"; }

# ---- 1. the intro as shipped plays frames that change; Esc skips it
if [ -f "$GAME_DIR/data/comix/intro.cmx" ]; then prepare; else prepare own; fi
start_game
wait_window 20
wait_comic 20
changed=""
shot "$WORK/f0.png"
for i in $(seq 12); do
  sleep 0.25
  shot "$WORK/f$i.png"
  d=$(crop_diff "$WORK/f0.png" "$WORK/f$i.png" 640x480+0+0)
  if awk -v d="$d" 'BEGIN{exit !(d > 0.0005)}'; then changed=1; break; fi
done
[ -n "$changed" ] || fail "the intro showed the same frame for 3 s"
is_game "$WORK/f$i.png" && fail "the intro ended by itself before the test could skip it"
note "intro frames change over time"
press_key Escape
wait_game 3
note "Esc skipped the intro"
close_and_check

# ---- 2. a quick click skips our test intro and fires no shot
prepare own
start_game
wait_window 20
wait_comic 20
quick_click_at $PX $PY
xdotool mousemove --window "$WID" $AWAY_X $AWAY_Y
wait_game 3
sleep 0.5
shot "$WORK/after_quick.png"
d=$(hole_diff "$WORK/after_quick.png")
awk -v d="$d" 'BEGIN{exit !(d < 0.1)}' || fail "the click that skipped the intro reached the game (hole region differs by $d)"
note "quick click skipped the intro, no shot (hole region differs by $d)"
# The control: a click in the game does leave a hole there.
click_at $PX $PY
xdotool mousemove --window "$WID" $AWAY_X $AWAY_Y
sleep 0.5
shot "$WORK/after_shot.png"
d=$(crop_diff "$WORK/after_shot.png" "$WORK/after_quick.png" "$HOLE_REGION")
awk -v d="$d" 'BEGIN{exit !(d > 0.15)}' || fail "a shot in the game left no visible hole (differs by $d): the check above proves nothing"
note "a click in the game leaves a hole (region differs by $d)"
close_and_check

# ---- 3. a held click skips it too; the game starts only once it is up
prepare own
start_game
wait_window 20
wait_comic 20
xdotool mousemove --window "$WID" $PX $PY
sleep 0.05
xdotool mousedown 1
sleep 0.6
shot "$WORK/held.png"
is_game "$WORK/held.png" && fail "the game started while the button that skipped the intro was held"
xdotool mouseup 1
xdotool mousemove --window "$WID" $AWAY_X $AWAY_Y
wait_game 3
sleep 0.5
shot "$WORK/after_held.png"
d=$(hole_diff "$WORK/after_held.png")
awk -v d="$d" 'BEGIN{exit !(d < 0.1)}' || fail "the held click that skipped the intro fired a shot (differs by $d)"
note "held click skipped the intro, no shot"
close_and_check

# ---- 4. the close button during the comic ends the program at once
prepare own
start_game
wait_window 20
wait_comic 20
"$E2E_TOOLS/wm_close" "$WID"
wait_exit 5
[ "$RC" -eq 0 ] || fail "closing the window during the intro gave status $RC: $(cat "$WORK/out.txt")"
note "close button during the intro: exit 0"
