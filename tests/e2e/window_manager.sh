#!/usr/bin/env bash
# Under a real window manager (Openbox) on a 1920 x 1080 screen: the window's
# title; SCALE 0 gives a 1280 x 960 window, with the lit hand's fingertip and
# the New game button at their doubled places; B saves the 640 x 480 picture;
# focus taken by another window in play opens the quit dialog and play
# stands still behind it; F11
# makes the window full screen -- it covers the screen, the picture sits at
# scale 2 in the middle on black, a click fires at the right game pixel --
# and F11 brings the window back; the window manager's close (wmctrl -c)
# ends the game with status 0 from the window and from full screen
# (GFX_MODE 0); the window destroyed from outside (an X error) and the X
# server going away end it with status 255 and the lost-display words.
. "$E2E_LIB/common.sh"

[ "$(xdpyinfo | awk '/dimensions:/{print $2}')" = 1920x1080 ] || fail "needs a 1920 x 1080 desktop (XVFB_SCREEN=1920x1080x24)"
for _ in 1 2 3; do      # (Openbox now and then gives up at start on a busy machine)
  openbox --sm-disable >/tmp/openbox.$$ 2>&1 &
  wm_pid=$!
  for _ in $(seq 100); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done
  wmctrl -m >/dev/null 2>&1 && break
  kill $wm_pid 2>/dev/null
done
wmctrl -m >/dev/null 2>&1 || fail "Openbox did not start: $(cat /tmp/openbox.$$)"
rm -f /tmp/openbox.$$

make_game_copy
other_pid=""
trap 'cleanup_game; [ -n "$other_pid" ] && kill $other_pid 2>/dev/null; kill $wm_pid 2>/dev/null' EXIT
for c in "$WORK"/data/comix/*.cmx; do echo "delay 1" > "$c"; done
for i in $(seq 10); do printf '99999\tSHARPSHOOTER\n'; done > "$WORK/top.txt"
quiet_street slowpoke.txt 5
marked_pointer c_hand1.bmp

root_shot() { import -window root "$1" 2>/dev/null; }
# "W H X Y" of the game's window on the screen.
geometry() {
  [ -n "$WID" ] || fail "no game window to measure"
  timeout 5 xwininfo -id "$WID" | awk '/Absolute upper-left X/{x = $NF} /Absolute upper-left Y/{y = $NF}
    /^ *Width/{w = $NF} /^ *Height/{h = $NF} END{print w, h, x, y}'
}
is_full_screen() { xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN; }
# The kill bar's grey, at game pixel (634, 300), shows at display (x, y).
wait_play() {
  for _ in $(seq 40); do
    root_shot "$WORK/g.png"
    [ "$(pixel "$WORK/g.png" "$1" "$2")" = "200,200,200" ] && return 0
    sleep 0.25
  done
  fail "no game at display ($1, $2) $3"
}

# ---------------------------------------------------------------- the window
printf 'GFX_MODE 1\nGFX_COLOR 32\nMUSIC_ON 0\nSCALE 0\n' > "$WORK/setup.cfg"
start_game
wait_window 20
sleep 2
title=$(wmctrl -l | awk -v id="$(printf '0x%08x' "$WID")" '$1 == id {$1 = $2 = $3 = ""; sub(/^ +/, ""); print}')
[ "$title" = "Deadeye Gulch" ] || fail "the window manager lists the window as '${title:-nothing}'"
read -r w h x y <<< "$(geometry)"
[ "$w x $h" = "1280 x 960" ] || fail "the window is $w x $h, not 1280 x 960"
note "the window manager shows 'Deadeye Gulch', 1280 x 960 at ($x, $y)"

# The fingertip over New game at its doubled place.
xdotool mousemove --window "$WID" $((NEW_GAME_X * 2)) $((NEW_GAME_Y * 2)); sleep 0.4
root_shot "$WORK/menu.png"
read -r cx cy <<< "$(green_centre "$WORK/menu.png")"
[ -n "$cx" ] && [ $(((cx - x) / 2)) -eq $NEW_GAME_X ] && [ $(((cy - y) / 2)) -eq $NEW_GAME_Y ] ||
  fail "the fingertip is drawn at display (${cx:-nowhere} ${cy:-}), not at game pixel ($NEW_GAME_X, $NEW_GAME_Y)"
note "the lit hand's fingertip is on game pixel ($NEW_GAME_X, $NEW_GAME_Y)"
click_at $((NEW_GAME_X * 2)) $((NEW_GAME_Y * 2))
wait_play $((x + 1268)) $((y + 600)) "in the window"
note "play in the window, New game hit at its doubled place"
# (READY, which opens every level, takes no key: B is pressed until play is on)
for _ in 1 2 3 4; do
  press_key b
  for _ in $(seq 10); do [ -s "$WORK/screen.bmp" ] && break 2; sleep 0.2; done
done
sleep 0.2
size=$(identify -format "%wx%h" "$WORK/screen.bmp" 2>/dev/null)
[ "$size" = "640x480" ] || fail "B saved a picture of ${size:-nothing}, not 640x480"
note "B saves the 640 x 480 picture"

# Another window takes the focus: the quit dialog opens and play stands still.
xmessage -geometry +0+0 "another program" &
other_pid=$!
sleep 1.2
root_shot "$WORK/away1.png"
above "$(diff_in "$WORK/g.png" "$WORK/away1.png" "400x100+$((x + 440))+$((y + 320))")" 0.3 ||
  fail "focus taken by another window opened no dialog"
sleep 1.5
root_shot "$WORK/away1b.png"
above "$(diff_in "$WORK/away1.png" "$WORK/away1b.png" "1280x960+$x+$y")" 0.001 && fail "play went on behind the dialog"
kill $other_pid; other_pid=""
sleep 0.5
xdotool windowactivate --sync "$WID" 2>/dev/null; sleep 0.3
click_at $((377 * 2)) $((200 * 2))      # No
sleep 0.5
note "focus taken by another window in play: the quit dialog, and play stands still"

# ---------------------------------------------------------------- F11
press_key F11
sleep 1.5
read -r w h x y <<< "$(geometry)"
[ "$w $h $x $y" = "1920 1080 0 0" ] || fail "after F11 the window is $w x $h at ($x, $y), not the whole screen"
is_full_screen "$WID" || fail "after F11 the window is not in the full-screen state"
wait_play $((320 + 1268)) $((60 + 600)) "at scale 2 centred"
for p in "100 540" "1800 540" "960 30" "960 1050"; do
  [ "$(pixel "$WORK/g.png" $p)" = "0,0,0" ] || fail "the bar at ($p) is $(pixel "$WORK/g.png" $p), not black"
done
note "F11: the window covers the screen, the picture at scale 2 from (320, 60), black bars"

# A click at display (320 + 2x, 60 + 2y) fires at game pixel (x, y), once
# the READY that follows the switch has gone.
X=195; Y=285
sleep 1
xdotool mousemove $((320 + X * 2)) $((60 + Y * 2)); sleep 0.3
xdotool mousemove 1200 700; sleep 0.3
root_shot "$WORK/before.png"
xdotool mousemove $((320 + X * 2)) $((60 + Y * 2)); sleep 0.05
xdotool mousedown 1; sleep 0.1; xdotool mouseup 1; sleep 0.1
xdotool mousemove 1200 700; sleep 0.4
root_shot "$WORK/after.png"
d=$(diff_in "$WORK/before.png" "$WORK/after.png" "20x20+$((320 + X * 2))+$((60 + Y * 2))")
above "$d" 0.2 || fail "no bullet hole at game pixel ($X, $Y) in full screen (differs by $d)"
d=$(diff_in "$WORK/before.png" "$WORK/after.png" "20x20+$((320 + X * 2 - 24))+$((60 + Y * 2 - 24))")
above "$d" 0.05 && fail "the shot changed the wall up and left of the aim (differs by $d)"
note "a click at display ($((320 + X * 2)), $((60 + Y * 2))) fired at game pixel ($X, $Y)"

xdotool keydown F11 keyup F11      # a quick tap
sleep 1.5
read -r w h x y <<< "$(geometry)"
[ "$w x $h" = "1280 x 960" ] || fail "F11 again gave a window of $w x $h, not 1280 x 960"
is_full_screen "$WID" && fail "F11 again left the full-screen state on"
wait_play $((x + 1268)) $((y + 600)) "back in the window"
note "F11 again: the 1280 x 960 window at ($x, $y), play goes on"

wmctrl -c "Deadeye Gulch"
wait_exit 10
[ "$RC" -eq 0 ] || fail "wmctrl -c in play gave status $RC: $(cat "$WORK/out.txt")"
note "wmctrl -c closes the window in play: status 0"

# ---------------------------------------------------------------- GFX_MODE 0
printf 'GFX_MODE 0\nGFX_COLOR 32\nMUSIC_ON 0\n' > "$WORK/setup.cfg"
start_game
wait_window 20
sleep 3
read -r w h x y <<< "$(geometry)"
[ "$w $h $x $y" = "1920 1080 0 0" ] || fail "GFX_MODE 0 gave a window of $w x $h at ($x, $y)"
is_full_screen "$WID" || fail "GFX_MODE 0: the window is not in the full-screen state"
xdotool mousemove $((320 + NEW_GAME_X * 2)) $((60 + NEW_GAME_Y * 2)); sleep 0.05
xdotool mousedown 1 mouseup 1      # a touchpad's quick tap
wait_play $((320 + 1268)) $((60 + 600)) "after a click on New game in full screen"
note "GFX_MODE 0: full screen at once; New game hit at its place on the display"
xmessage -geometry +0+0 "another program" &
other_pid=$!
sleep 1.2
root_shot "$WORK/away2.png"
above "$(diff_in "$WORK/g.png" "$WORK/away2.png" "400x100+$((320 + 440))+$((60 + 320))")" 0.3 ||
  fail "focus taken by another window in full screen opened no dialog"
kill $other_pid; other_pid=""
note "focus taken by another window in full screen: the quit dialog"
wmctrl -c "Deadeye Gulch"
wait_exit 10
[ "$RC" -eq 0 ] || fail "wmctrl -c in full screen gave status $RC: $(cat "$WORK/out.txt")"
note "wmctrl -c closes the full-screen window: status 0"

# ---------------------------------------------------------------- X errors
# The window destroyed from outside in play: the game's next frame fails
# with an X error, and the game ends through its fatal path.
printf 'GFX_MODE 1\nGFX_COLOR 32\nMUSIC_ON 0\nSCALE 0\n' > "$WORK/setup.cfg"
cp "$WORK/top.txt" "$WORK/top.before"
start_game
wait_window 20
sleep 2
click_at $((NEW_GAME_X * 2)) $((NEW_GAME_Y * 2))
sleep 1.5
xdotool windowclose "$WID"      # destroys the window from outside
wait_exit 10
[ "$RC" -eq 255 ] || fail "the window destroyed in play gave status $RC: $(cat "$WORK/out.txt")"
grep -q "the connection to the X display was lost" "$WORK/out.txt" ||
  fail "the window destroyed in play: no lost-display message: $(cat "$WORK/out.txt")"
cmp -s "$WORK/top.txt" "$WORK/top.before" || fail "top.txt changed"
note "the window destroyed in play: status 255, '$(grep -o 'the connection to the X display was lost[^(]*' "$WORK/out.txt" | head -n1)'"

# The X server gone: status 255 at once, with the message.
start_game
wait_window 20
sleep 2
kill $wm_pid $XVFB_PID
wait_exit 10
[ "$RC" -eq 255 ] || fail "the X server gone gave status $RC: $(cat "$WORK/out.txt")"
grep -q "the connection to the X display was lost" "$WORK/out.txt" ||
  fail "the X server gone: no lost-display message: $(cat "$WORK/out.txt")"
note "the X server gone: status 255 and the lost-display message"
