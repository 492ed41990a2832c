#!/usr/bin/env bash
# The program opens its 640 x 480 window titled "Deadeye Gulch" and shows
# "LOADING.." at (40, 440) before anything is loaded; the close button ends
# it cleanly.
. "$E2E_LIB/common.sh"
make_game_copy
start_game
wait_window 20
# The loading text is there from the first moments on.
found=""
for i in $(seq 20); do
  shot "$WORK/loading.png"
  # White text on black: some white pixels in the row band of the text.
  white=$(convert "$WORK/loading.png" -crop 80x10+40+440 +repage -threshold 90% -format "%[fx:mean]" info: 2>/dev/null || echo 0)
  if awk -v w="$white" 'BEGIN{exit !(w > 0.05)}'; then found=1; break; fi
  sleep 0.03
done
[ -n "$found" ] || fail "no LOADING.. text at (40, 440)"
# Nothing white to its left or above it.
lead=$(convert "$WORK/loading.png" -crop 38x430+0+0 +repage -threshold 90% -format "%[fx:mean]" info:)
awk -v w="$lead" 'BEGIN{exit !(w < 0.001)}' || fail "white pixels where only the loading text should be"
geom=$(xdotool getwindowgeometry "$WID" | awk '/Geometry/{print $2}')
[ "$geom" = "640x480" ] || fail "window is $geom, not 640x480"
note "window $WID $geom, loading text seen"
"$E2E_TOOLS/wm_close" "$WID"
wait_exit 10
[ "$RC" -eq 0 ] || fail "closing the window ended the program with status $RC: $(cat "$WORK/out.txt")"
note "close button: exit 0"
