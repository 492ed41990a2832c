#!/usr/bin/env bash
# Stopped from outside: SIGTERM, SIGINT and SIGHUP end the game promptly with
# 128 + the signal's number, at the intro, in the menu and in play, and never
# through Allegro's own handler; SIGTERM sent as the player's name goes into
# the table leaves top.txt either the old table or the new one, whole.
. "$E2E_LIB/common.sh"

make_game_copy
printf 'GFX_MODE 1\nGFX_COLOR 32\nMUSIC_ON 0\n' > "$WORK/setup.cfg"
for i in $(seq 10); do printf -- '-1\tTENDERFOOT\n'; done > "$WORK/top.txt"
cp "$WORK/top.txt" "$WORK/top.old"

# stop SIGNAL STATUS WHERE: sends the signal, the game must end within 3 s.
stop() {
  local t0=$SECONDS
  kill -s "$1" "$GAME_PID"
  wait_exit 3
  [ "$RC" -eq "$2" ] || fail "SIG$1 $3 ended the game with status $RC, not $2: $(cat "$WORK/out.txt")"
  grep -q "Shutting down Allegro" "$WORK/out.txt" && fail "SIG$1 $3 went through Allegro's own handler"
  note "SIG$1 $3: status $RC after $((SECONDS - t0)) s"
}

start_game; wait_window 20; sleep 1.5
stop TERM 143 "in the intro"

start_game; wait_window 20; wait_menu 30
stop INT 130 "in the menu"

for c in "$WORK"/data/comix/*.cmx; do echo "delay 1" > "$c"; done   # comics are not under test
start_game; wait_window 20; wait_menu 20
click_at $NEW_GAME_X $NEW_GAME_Y; sleep 1.5
stop HUP 129 "in play"
cmp -s "$WORK/top.txt" "$WORK/top.old" || fail "top.txt changed without a game ending"

# The table being written: Esc, Yes, a name, and SIGTERM with the Return.
start_game; wait_window 20; wait_menu 20
click_at $NEW_GAME_X $NEW_GAME_Y; sleep 1.5
press_key Escape; sleep 0.5
click_at 255 180; sleep 1.5
xdotool type --window "$WID" --delay 40 "sam"; sleep 0.3
xdotool keydown --window "$WID" Return
sleep 0.02
kill -s TERM "$GAME_PID"
xdotool keyup --window "$WID" Return
wait_exit 3
[ "$RC" -eq 143 ] || fail "SIGTERM at the name's Return ended the game with status $RC: $(cat "$WORK/out.txt")"
if cmp -s "$WORK/top.txt" "$WORK/top.old"; then
  note "SIGTERM came before the write: top.txt is the old table"
else
  [ "$(wc -l < "$WORK/top.txt")" -eq 10 ] || fail "top.txt is not ten rows: $(cat "$WORK/top.txt")"
  [[ "$(head -n1 "$WORK/top.txt")" =~ ^[0-9]+$'\t'SAM$ ]] || fail "top.txt is neither the old table nor the new: $(cat "$WORK/top.txt")"
  note "SIGTERM came with the write: top.txt is the new table, SAM first"
fi
[ ! -e "$WORK/top.txt.new" ] || fail "a half-written top.txt.new was left behind"
