#!/usr/bin/env bash
# A shot lands where the button went down.  On a quiet street (no door ever
# opens) the player presses above the doors and, within a millisecond, flicks
# the pointer 220 pixels on while the button is still down (held 100 ms), at
# scale 1 and at scale 2: every hole is at its press, none where the pointer
# went.  Then a touchpad's quick tap (down and up at once) after a flick: the
# hole is at the tap.
. "$E2E_LIB/common.sh"

make_game_copy
quiet_street lady.txt 50
echo "delay 1" > "$WORK/data/comix/intro.cmx"

for s in 1 2; do
  printf 'GFX_MODE 1\nGFX_COLOR 32\nMUSIC_ON 0\nSCALE %s\n' "$s" > "$WORK/setup.cfg"
  start_game
  wait_window 20
  sleep 2
  xdotool mousemove --window "$WID" $((NEW_GAME_X * s)) $((NEW_GAME_Y * s)); sleep 0.2
  xdotool mousedown 1; sleep 0.1; xdotool mouseup 1
  sleep 2
  # Presses at x 30, 70, 110 (y 40), flying on to x 250, 290, 330.
  out=$("$E2E_TOOLS/click_probe" place "$WID" $((30 * s)) $((40 * s)) $((220 * s)) 0 3 \
        $((330 * s)) $((335 * s)) $((40 * s)))
  echo "$out" | sed 's/^/-- scale '"$s"': /'
  echo "$out" | grep -q "^holes_at_press 3 holes_at_flight 0 of 3$" ||
    fail "at scale $s a shot did not land where the button went down"

  # A quick tap after a flick: the hole is at the tap.
  xdotool mousemove --window "$WID" $((330 * s)) $((335 * s)); sleep 0.3
  frame_shot "$WORK/before_tap.png"
  xdotool mousemove --window "$WID" $((180 * s)) $((40 * s)) click 1 mousemove --window "$WID" $((400 * s)) $((40 * s))
  sleep 0.2
  xdotool mousemove --window "$WID" $((330 * s)) $((335 * s)); sleep 0.4
  frame_shot "$WORK/after_tap.png"
  if [ "$s" = 1 ]; then
    d=$(diff_in "$WORK/before_tap.png" "$WORK/after_tap.png" 10x10+180+40)
    above "$d" 0.2 || fail "a quick tap left no hole where it was made (diff $d)"
    d=$(diff_in "$WORK/before_tap.png" "$WORK/after_tap.png" 10x10+400+40)
    above "$d" 0.05 && fail "a quick tap left a hole where the pointer went after it (diff $d)"
    note "scale 1: a quick tap after a flick lands at the tap"
  fi
  "$E2E_TOOLS/wm_close" "$WID"
  wait_exit 10
done
note "every shot landed where the button went down"
