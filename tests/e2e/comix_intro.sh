#!/usr/bin/env bash
# The intro comic: it plays frames that change over time; Esc skips it; a
# quick left click skips it, and that click does not reach the
# main menu that follows: made over the New game button, it starts no game,
# while a click there in the menu does.  The close button during a comic
# ends the program at once with status 0.
. "$E2E_LIB/common.sh"

PX=$NEW_GAME_X; PY=$NEW_GAME_Y          # the skipping clicks land on the New game button
AWAY_X=560; AWAY_Y=240                  # where the pointer waits while we look

# A fresh game copy.  With $1 = own, the intro is our own test comic: a
# blue backdrop and a red block sliding across it for half a minute.
prepare() {
  [ -n "${WORK:-}" ] && cleanup_game
  make_game_copy
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
    if awk -v m="$lit" 'BEGIN{exit !(m > 0.05)}' && ! is_menu "$WORK/c.png"; then return 0; fi
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended: $(cat "$WORK/out.txt")"
    sleep 0.25
  done
  fail "no comic on the screen after ${1:-20}s"
}

# The menu is still there $1 s later: the click started no game.
menu_stays() {
  sleep "$1"
  frame_shot "$WORK/still.png"
  is_menu "$WORK/still.png"
}

close_and_check() {
  "$E2E_TOOLS/wm_close" "$WID"
  wait_exit 10
  [ "$RC" -eq 0 ] || fail "closing the window ended the program with status $RC: $(cat "$WORK/out.txt")"
}

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
  d=$(diff_in "$WORK/f0.png" "$WORK/f$i.png" 640x480+0+0)
  if awk -v d="$d" 'BEGIN{exit !(d > 0.0005)}'; then changed=1; break; fi
done
[ -n "$changed" ] || fail "the intro showed the same frame for 3 s"
is_menu "$WORK/f$i.png" && fail "the intro ended by itself before the test could skip it"
note "intro frames change over time"
press_key Escape
wait_menu 3 noskip
note "Esc skipped the intro"
close_and_check

# ---- 2. a quick click skips our test intro and starts no game
prepare own
start_game
wait_window 20
wait_comic 20
quick_click_at $PX $PY
wait_menu 3 noskip
menu_stays 1 || fail "the click that skipped the intro started a game"
note "quick click skipped the intro; the menu stays"
# The control: a click on New game in the menu does start one.
click_at $PX $PY
menu_stays 1.5 && fail "a click on New game in the menu started no game: the check above proves nothing"
note "a click on New game in the menu starts the game"
close_and_check

# ---- 3. the close button during the comic ends the program at once
prepare own
start_game
wait_window 20
wait_comic 20
"$E2E_TOOLS/wm_close" "$WID"
wait_exit 5
[ "$RC" -eq 0 ] || fail "closing the window during the intro gave status $RC: $(cat "$WORK/out.txt")"
note "close button during the intro: exit 0"
