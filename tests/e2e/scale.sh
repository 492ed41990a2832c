#!/usr/bin/env bash
# The scaled window on a desktop large enough for twice the size: SCALE 0
# opens a 1280 x 960 window; the lit hand's fingertip and the New game button
# are at their doubled places; a click at window pixel (2x, 2y) fires at game
# pixel (x, y); B saves the 640 x 480 picture; taking the focus away during
# play opens the quit dialog and the game stands still behind it.
. "$E2E_LIB/common.sh"

# A desktop of 1600 x 1200 of our own.
fd_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$fd_file" ] && break; sleep 0.1; done
[ -s "$fd_file" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$fd_file")"

make_game_copy
trap 'cleanup_game; kill $xvfb_pid 2>/dev/null; rm -f "$fd_file"' EXIT
printf 'GFX_MODE 1\nGFX_COLOR 32\nMUSIC_ON 0\nSCALE 0\n' > "$WORK/setup.cfg"
for c in "$WORK"/data/comix/*.cmx; do echo "delay 1" > "$c"; done
for i in $(seq 10); do printf '99999\tSHARPSHOOTER\n'; done > "$WORK/top.txt"
marked_pointer c_hand1.bmp
quiet_street slowpoke.txt 5

big_shot() { import -window root -crop 1280x960+0+0 +repage "$1" 2>/dev/null; }
start_game
wait_window 20
geom=$(xdotool getwindowgeometry "$WID" | awk '/Geometry/{print $2}')
[ "$geom" = "1280x960" ] || fail "the window is $geom, not 1280x960"
note "SCALE 0 on a 1600 x 1200 desktop: a 1280 x 960 window"

# The menu: the fingertip over New game at its doubled place.
sleep 2
xdotool mousemove --window "$WID" $((NEW_GAME_X * 2)) $((NEW_GAME_Y * 2)); sleep 0.4
big_shot "$WORK/menu.png"
centre=$(green_centre "$WORK/menu.png")
read -r cx cy <<< "$centre"
[ -n "$cx" ] && [ $((cx / 2)) -eq $NEW_GAME_X ] && [ $((cy / 2)) -eq $NEW_GAME_Y ] ||
  fail "the fingertip is drawn at window (${centre:-nowhere}), not at game pixel ($NEW_GAME_X, $NEW_GAME_Y)"
note "the lit hand's fingertip is on game pixel ($NEW_GAME_X, $NEW_GAME_Y) at window ($cx, $cy)"
click_at $((NEW_GAME_X * 2)) $((NEW_GAME_Y * 2))
in_game=""
for _ in $(seq 40); do
  sleep 0.25
  big_shot "$WORK/g.png"
  [ "$(pixel "$WORK/g.png" 1268 600)" = "200,200,200" ] && { in_game=1; break; }   # the kill bar, doubled
done
[ -n "$in_game" ] || fail "no game after a click on New game at its doubled place"
note "New game hit at its doubled place"

# A shot at window (390, 570) leaves its hole at game pixel (195, 285).
X=195; Y=285
xdotool mousemove --window "$WID" $((X * 2)) $((Y * 2)); sleep 0.3
xdotool mousemove --window "$WID" 900 600; sleep 0.3
big_shot "$WORK/before.png"
click_at $((X * 2)) $((Y * 2)); sleep 0.1
xdotool mousemove --window "$WID" 900 600; sleep 0.4
big_shot "$WORK/after.png"
d=$(diff_in "$WORK/before.png" "$WORK/after.png" "20x20+$((X * 2))+$((Y * 2))")
above "$d" 0.2 || fail "no bullet hole at game pixel ($X, $Y) (differs by $d)"
d=$(diff_in "$WORK/before.png" "$WORK/after.png" "20x20+$((X * 2 - 24))+$((Y * 2 - 24))")
above "$d" 0.05 && fail "the shot changed the wall up and left of the aim (differs by $d)"
note "a click at window ($((X * 2)), $((Y * 2))) fired at game pixel ($X, $Y)"

press_key b; sleep 0.3
size=$(identify -format "%wx%h" "$WORK/screen.bmp" 2>/dev/null)
[ "$size" = "640x480" ] || fail "B saved a picture of ${size:-nothing}, not 640x480"
note "B saves the 640 x 480 picture"

# Focus away: the dialog opens and the game stands still behind it.
root=$(xwininfo -root | awk '/Window id/{print $4}')
xdotool windowfocus "$root"
sleep 0.8
big_shot "$WORK/away1.png"
above "$(diff_in "$WORK/after.png" "$WORK/away1.png" 400x100+440+320)" 0.3 || fail "losing the focus opened no dialog"
sleep 1.5
big_shot "$WORK/away2.png"
above "$(diff_in "$WORK/away1.png" "$WORK/away2.png" 1280x960+0+0)" 0.001 && fail "the game went on behind the dialog"
note "focus lost in play: the dialog, and the game stands still"
xdotool windowfocus "$WID"
click_at $((377 * 2)) $((200 * 2))      # No
sleep 0.5
press_key q; sleep 1.5
click_at 660 480                         # the table: no entry, a click closes it
sleep 1
press_key q
wait_exit 10
[ "$RC" -eq 0 ] || fail "Q gave status $RC: $(cat "$WORK/out.txt")"
note "Q out of the menu: status 0"
