#!/usr/bin/env bash
# At every colour depth setup.cfg documents (8, 15, 16, 24, 32) the program
# opens its 640 x 480 window titled "Deadeye Gulch", shows "LOADING.." at
# (40, 440) before anything is loaded, plays the intro (translucent pictures
# included) and the close button ends it cleanly.
. "$E2E_LIB/common.sh"
make_game_copy

start_at() {
  local depth=$1
  printf 'GFX_MODE 1\nGFX_COLOR %s\nMUSIC_ON 0\nSCALE 1\n' "$depth" > "$WORK/setup.cfg"
  start_game
  wait_window 20
  # The loading text is there from the first moments on.
  local found="" white lead geom
  # (A window that has not been drawn into yet may show anything at first.)
  for i in $(seq 40); do
    shot "$WORK/loading.png"
    # White text on black: some white pixels in the row band of the text,
    # nothing white to its left or above it.
    white=$(convert "$WORK/loading.png" -crop 80x10+40+440 +repage -threshold 90% -format "%[fx:mean]" info: 2>/dev/null || echo 0)
    lead=$(convert "$WORK/loading.png" -crop 38x430+0+0 +repage -threshold 90% -format "%[fx:mean]" info: 2>/dev/null || echo 1)
    if awk -v w="$white" -v l="$lead" 'BEGIN{exit !(w > 0.05 && l < 0.001)}'; then found=1; break; fi
    sleep 0.03
  done
  [ -n "$found" ] || fail "at $depth bits: no LOADING.. text alone at (40, 440)"
  geom=$(xdotool getwindowgeometry "$WID" | awk '/Geometry/{print $2}')
  [ "$geom" = "640x480" ] || fail "at $depth bits: window is $geom, not 640x480"
  # The intro plays: its pictures (some translucent) come on the screen.
  local lit=0
  for _ in $(seq 60); do
    kill -0 "$GAME_PID" 2>/dev/null || { wait "$GAME_PID"; fail "at $depth bits: the game ended in the intro with status $?: $(grep -v ^ALSA "$WORK/out.txt")"; }
    frame_shot "$WORK/intro.png"
    lit=$(convert "$WORK/intro.png" -colorspace gray -format "%[fx:mean]" info:)
    above "$lit" 0.1 && break
    sleep 0.25
  done
  above "$lit" 0.1 || fail "at $depth bits: the intro shows nothing (mean brightness $lit)"
  "$E2E_TOOLS/wm_close" "$WID"
  wait_exit 10
  [ "$RC" -eq 0 ] || fail "at $depth bits: closing the window ended the program with status $RC: $(cat "$WORK/out.txt")"
  note "$depth bits: window $geom, loading text, the intro (brightness $lit), close button: exit 0"
}

for depth in 8 15 16 24 32; do
  start_at "$depth"
done
