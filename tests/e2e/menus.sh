#!/usr/bin/env bash
# The menus as a player goes through them: the lit hand's fingertip on the
# New game button; the options, a slider dragged, the difficulty screen and
# a choice; a game started, Esc answered by Esc (play goes on) and then by
# Yes; the name typed with capitals and small letters (a held key types once
# where the X server repeats keys) enters the table, in top.txt and on the
# poster, in its marked row; Q in the menu leaves with status 0.  A second game takes
# a cheat code in the dialog and its level is won.  The close button during
# name entry leaves at once with status 0 and top.txt untouched.
. "$E2E_LIB/common.sh"

make_game_copy
printf 'GFX_MODE 1\nGFX_COLOR 32\nMUSIC_ON 1\n' > "$WORK/setup.cfg"
for c in "$WORK"/data/comix/*.cmx; do echo "delay 1" > "$c"; done   # comics are not under test
for i in $(seq 10); do printf -- '-1\tTENDERFOOT\n'; done > "$WORK/top.txt"
marked_pointer c_hand1.bmp      # the lit hand's fingertip marked
M=data/gfx/menu

# Whether region WxH+X+Y of screenshot $1 shows picture $2 drawn at (X0, Y0).
shows() {
  local pic=$2 x0=$3 y0=$4 region=$5
  convert -size 640x480 xc:black \( "$WORK/$pic" -transparent '#ff00ff' \) -geometry "+$x0+$y0" -composite "$WORK/ref.png"
  ! above "$(diff_in "$1" "$WORK/ref.png" "$region")" 0.1
}
is_dialog() { shows "$1" $M/yesno.bmp 205 31 90x50+210+156; }
is_options() { shows "$1" $M/menuhang.bmp 220 0 300x40+260+5; }
is_difficulty() { shows "$1" $M/m02.bmp 0 0 200x300+5+100; }
is_name_entry() { shows "$1" $M/name.bmp 167 180 300x30+177+190; }
is_table() { shows "$1" $M/wanted.bmp 150 22 300x100+180+40 && ! is_name_entry "$1"; }

start_game
wait_window 20
wait_menu 20

# The lit hand over New game points with its fingertip at the pointer.
xdotool mousemove --window "$WID" $NEW_GAME_X $NEW_GAME_Y; sleep 0.3
frame_shot "$WORK/hover.png"
centre=$(green_centre "$WORK/hover.png")
[ "$centre" = "$NEW_GAME_X $NEW_GAME_Y" ] || fail "the lit hand's fingertip is at (${centre:-nowhere}), the pointer at ($NEW_GAME_X, $NEW_GAME_Y)"
note "the lit hand's fingertip is on the pointer over New game"

# Options: the music figure follows a drag up, and a drag back down brings
# it back to where it hung.
click_at 80 318
wait_for 3 is_options || fail "no options screen after a click on Options"
drag_music() {   # drag_music FROM TO: the music figure held and moved in 5 px steps
  xdotool mousemove --window "$WID" 328 "$1"; sleep 0.1
  xdotool mousedown 1; sleep 0.1
  for y in $(seq "$1" $(($2 < $1 ? -5 : 5)) "$2"); do xdotool mousemove --window "$WID" 328 "$y"; sleep 0.04; done
  sleep 0.2; xdotool mouseup 1
  xdotool mousemove --window "$WID" 560 440; sleep 0.3
}
xdotool mousemove --window "$WID" 560 440; sleep 0.3
frame_shot "$WORK/opt1.png"
drag_music 200 170
frame_shot "$WORK/opt2.png"
d=$(diff_in "$WORK/opt1.png" "$WORK/opt2.png" 40x134+308+121)
above "$d" 0.2 || fail "the music figure did not move with the drag (differs by $d)"
drag_music 170 200
frame_shot "$WORK/opt3.png"
d=$(diff_in "$WORK/opt1.png" "$WORK/opt3.png" 40x134+308+121)
above "$d" 0.02 && fail "the music figure did not come back with the drag back (differs by $d)"
note "the music figure follows the drag up and back"

# The difficulty screen from the panel; the ugly column chosen.
click_at 400 420
wait_for 3 is_difficulty || fail "no difficulty screen after a click on the difficulty panel"
click_at 530 240
wait_for 3 is_options || fail "the options did not come back after the choice"
sleep 0.5; frame_shot "$WORK/opt4.png"
is_difficulty "$WORK/opt4.png" && fail "the choosing click opened the difficulty screen again"
above "$(diff_in "$WORK/opt3.png" "$WORK/opt4.png" 259x87+280+350)" 0.1 || fail "the difficulty panel did not change"
note "difficulty chosen on its screen; the options show it"
xdotool key --window "$WID" Escape     # a tap closes the options
wait_menu 3 noskip

# A game: Esc opens the dialog, Esc answers no, play goes on.
click_at $NEW_GAME_X $NEW_GAME_Y
wait_for 10 in_game || fail "no game after New game"
xdotool mousemove --window "$WID" 320 300
press_key Escape
wait_for 3 is_dialog || fail "Esc in play opened no dialog"
sleep 0.5; frame_shot "$WORK/d.png"
is_dialog "$WORK/d.png" || fail "the Esc that opened the dialog closed it"
press_key Escape
wait_for 3 in_game || fail "the game did not come back after Esc in the dialog"
frame_shot "$WORK/g.png"
is_dialog "$WORK/g.png" && fail "the dialog is still on the screen"
note "Esc opens the dialog, Esc answers no, play goes on"

# Esc and Yes: the game-over comic, then the name entry.
press_key Escape
wait_for 3 is_dialog || fail "no dialog"
click_at 255 180
wait_for 5 is_name_entry || fail "no name entry after the game ended"
xdotool type --window "$WID" --delay 40 "IkE"   # Shift on the I and the E
xdotool keydown --window "$WID" z; sleep 1.2; xdotool keyup --window "$WID" z
sleep 0.2; press_key Return
wait_for 3 is_table || fail "no table after the name"
row=$(head -n1 "$WORK/top.txt")
[[ "$row" =~ ^[0-9]+$'\t'IKEZ$ ]] || fail "top.txt's first row is '$row', not the score and IKEZ"
[ "$(wc -l < "$WORK/top.txt")" -eq 10 ] || fail "top.txt does not hold ten rows"
# On the poster: IKEZ in the letter font at (288, 145) over the band that
# marks the new row.
font="$WORK/data/gfx/font/font2.bmp"
convert -size 40x15 xc:'rgb(122,38,26)' "$WORK/name_ref.png"
x=0
for cell in 8 10 4 25; do
  convert "$font" -crop "10x15+$((cell * 10))+0" +repage -transparent '#ff00ff' "$WORK/glyph.png"
  convert "$WORK/name_ref.png" "$WORK/glyph.png" -geometry "+$x+0" -composite "$WORK/name_ref.png"
  x=$((x + 10))
done
frame_shot "$WORK/table.png"
convert "$WORK/name_ref.png" -extent 640x480 "$WORK/name_ref_full.png"
convert "$WORK/table.png" -crop 40x15+288+145 +repage -extent 640x480 "$WORK/name_shown.png"
above "$(diff_in "$WORK/name_shown.png" "$WORK/name_ref_full.png" 40x15+0+0)" 0.05 && fail "the poster does not show IKEZ in the first, marked row"
shows "$WORK/table.png" $M/wanted.bmp 150 22 300x27+180+424 && fail "the poster's foot does not show the score played"
note "the name entered: '$row' in top.txt and on the poster, the score at its foot"
click_at 330 240
wait_menu 3 noskip

# A second game: Shift held while WOODENPIGEON is typed meets the quota; the next level comes.
click_at $NEW_GAME_X $NEW_GAME_Y
wait_for 10 in_game || fail "no second game"
frame_shot "$WORK/l1.png"
press_key Escape
wait_for 3 is_dialog || fail "no dialog in the second game"
xdotool keydown --window "$WID" shift
xdotool type --window "$WID" --delay 40 WOODENPIGEON
xdotool keyup --window "$WID" shift
wait_for 3 in_game || fail "the cheat code did not close the dialog"
level_changed() { above "$(diff_in "$WORK/l1.png" "$1" 40x30+60+0)" 0.02; }
wait_for 8 level_changed || fail "the level did not change after the quota code"
note "WOODENPIGEON met the quota: the next level came"
press_key q
sleep 1.5
press_key Return        # the score may earn a row: enter no name
sleep 0.5
click_at 330 240
wait_menu 5 noskip
press_key q
wait_exit 10
[ "$RC" -eq 0 ] || fail "Q in the menu gave status $RC: $(cat "$WORK/out.txt")"
note "Q in the menu: status 0"

# The close button during the name entry: status 0, top.txt untouched.
cp "$WORK/top.txt" "$WORK/top.before"
start_game
wait_window 20
wait_menu 20
click_at $NEW_GAME_X $NEW_GAME_Y
wait_for 10 in_game || fail "no third game"
press_key Escape
wait_for 3 is_dialog || fail "no dialog in the third game"
click_at 255 180
wait_for 5 is_name_entry || fail "no name entry in the third game"
xdotool type --window "$WID" --delay 40 "abc"
"$E2E_TOOLS/wm_close" "$WID"
wait_exit 5
[ "$RC" -eq 0 ] || fail "the close button during name entry gave status $RC"
cmp -s "$WORK/top.txt" "$WORK/top.before" || fail "top.txt changed though the name was never finished"
[ ! -e "$WORK/top.txt.new" ] || fail "a half-made table was left beside top.txt"
note "close during name entry: status 0, top.txt untouched"
