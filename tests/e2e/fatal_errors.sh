#!/usr/bin/env bash
# Fatal errors end the program with status 255 and a message that names the
# file; without a display it ends with a clear message, not a signal.
. "$E2E_LIB/common.sh"
make_game_copy

rm "$WORK/data/gfx/cursor1.bmp"
start_game
wait_exit 20
[ "$RC" -eq 255 ] || fail "missing picture: status $RC"
grep -q "Unable to open file data/gfx/cursor1.bmp" "$WORK/out.txt" || fail "missing picture: $(cat "$WORK/out.txt")"
note "missing picture: 255, $(grep -m1 deadeye: "$WORK/out.txt")"
cp "$GAME_DIR/data/gfx/cursor1.bmp" "$WORK/data/gfx/"

( cd "$WORK" && env -u DISPLAY ./deadeye ) >"$WORK/nodisplay.txt" 2>&1
rc=$?
[ $rc -ne 0 ] || fail "no display: status 0"
# exit(-1) gives 255; 129..192 would be a signal.
{ [ $rc -gt 128 ] && [ $rc -le 192 ]; } && fail "no display: killed by signal $((rc - 128))"
grep -qi "display" "$WORK/nodisplay.txt" || fail "no display: message does not say so: $(cat "$WORK/nodisplay.txt")"
note "no display: status $rc, $(head -n1 "$WORK/nodisplay.txt")"

# Without setup.cfg the game starts with its defaults.
rm "$WORK/setup.cfg"
start_game
wait_window 20
geom=$(xdotool getwindowgeometry "$WID" | awk '/Geometry/{print $2}')
[ "$geom" = "640x480" ] || fail "without setup.cfg the window is $geom"
"$E2E_TOOLS/wm_close" "$WID"
wait_exit 10
[ "$RC" -eq 0 ] || fail "without setup.cfg: status $RC"
note "no setup.cfg: defaults, window $geom"
