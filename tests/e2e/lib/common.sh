# Shared helpers of the end-to-end tests.  Source it: . "$E2E_LIB/common.sh"
# Needs GAME_DIR (the built game folder) and DISPLAY.
set -uo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }
note() { echo "-- $*"; }

[ -n "${GAME_DIR:-}" ] || fail "GAME_DIR is not set"

[ -n "${DISPLAY:-}" ] || fail "DISPLAY is not set (run under tools/with-xvfb.sh)"

# The street's layout as the game has it (DOOR_LEAF_X, CREATURE_ZONE_CENTRE_X,
# ...), printed by the layout tool that is built beside the data checker.
read_layout() {
  local tool
  tool="$(dirname "${DATACHECK:-}")/layout"
  [ -x "$tool" ] || fail "no layout tool beside DATACHECK (${DATACHECK:-unset})"
  eval "$("$tool")"
}

# A private copy of the game folder, removed at exit.
make_game_copy() {
  WORK=$(mktemp -d /tmp/deadeye-e2e-XXXXXX)
  cp -r "$GAME_DIR"/. "$WORK"/
  GAME_PID=""
  trap 'cleanup_game' EXIT
}

cleanup_game() {
  if [ -n "${GAME_PID:-}" ] && kill -0 "$GAME_PID" 2>/dev/null; then
    kill "$GAME_PID" 2>/dev/null
    wait "$GAME_PID" 2>/dev/null
  fi
  [ -n "${KEEP_WORK:-}" ] || rm -rf "$WORK"
}

# Starts the game in $WORK in the background; output goes to $WORK/out.txt.
start_game() {
  ( cd "$WORK" && exec ./deadeye ) >"$WORK/out.txt" 2>&1 &
  GAME_PID=$!
}

# Waits for the game window and sets WID.
wait_window() {
  local timeout=${1:-20}
  WID=""
  for _ in $(seq $((timeout * 20))); do
    WID=$(xdotool search --name "Deadeye Gulch" 2>/dev/null | head -n1)
    [ -n "$WID" ] && return 0
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended before its window opened: $(cat "$WORK/out.txt")"
    sleep 0.05
  done
  fail "no game window after ${timeout}s"
}

# Waits for the game to end; sets RC.  Fails if it takes longer than $1 s.
wait_exit() {
  local timeout=${1:-20}
  for _ in $(seq $((timeout * 10))); do
    if ! kill -0 "$GAME_PID" 2>/dev/null; then
      wait "$GAME_PID"; RC=$?; GAME_PID=""; return 0
    fi
    sleep 0.1
  done
  fail "the game did not end within ${timeout}s"
}

# Screenshot of the game window to $1 (PNG).
shot() { timeout 5 import -window "$WID" "$1" 2>/dev/null || timeout 5 import -window root "$1"; }

# Colour of pixel (x, y) of a picture as "r,g,b" (0..255).
pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# Player input, held like a person holds it.
click_at() { xdotool mousemove --window "$WID" "$1" "$2"; sleep 0.05; xdotool mousedown 1; sleep 0.1; xdotool mouseup 1; }
quick_click_at() { xdotool mousemove --window "$WID" "$1" "$2"; sleep 0.05; xdotool mousedown 1 mouseup 1; }
press_key() { xdotool keydown --window "$WID" "$1"; sleep 0.1; xdotool keyup --window "$WID" "$1"; }

# A screenshot of the game's 640 x 480 frame: a grab of the root window is
# cut down to the game window.
frame_shot() {
  shot "$1"
  local size; size=$(identify -format "%wx%h" "$1" 2>/dev/null)
  if [ "$size" != "640x480" ]; then
    local pos; pos=$(xwininfo -id "$WID" | awk '/Absolute upper-left X/{x = $NF} /Absolute upper-left Y/{y = $NF} END{print "+" x "+" y}')
    convert "$1" -crop "640x480$pos" +repage "$1"
  fi
}

# Share of differing pixels between two pictures in a region WxH+X+Y (1 when it cannot be told).
diff_in() {
  convert "$1" -crop "$3" +repage "$WORK/d_a.png" && convert "$2" -crop "$3" +repage "$WORK/d_b.png" || { echo 1; return; }
  compare -metric AE -fuzz 8% "$WORK/d_a.png" "$WORK/d_b.png" null: 2>&1 |
    awk -v r="$3" '{split(r, a, /[x+]/); if ($1 ~ /^[0-9.e+]+$/) print $1 / (a[1] * a[2]); else print 1}'
}
above() { awk -v v="$1" -v t="$2" 'BEGIN{exit !(v > t)}'; }

# The main menu: its backdrop band, drawn at y 140, shows between the sign
# and the poster.
NEW_GAME_X=65; NEW_GAME_Y=263
is_menu() {
  [ -f "$WORK/menu_ref.png" ] || convert -size 640x480 xc:black "$WORK/data/gfx/menu/bck.bmp" -geometry +0+140 -composite "$WORK/menu_ref.png"
  ! above "$(diff_in "$1" "$WORK/menu_ref.png" 300x120+200+150)" 0.2
}
# Waits for the main menu, $1 s at most, skipping the intro with Esc.
wait_menu() {
  for i in $(seq $((${1:-30} * 4))); do
    frame_shot "$WORK/m.png"
    is_menu "$WORK/m.png" && return 0
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended: $(cat "$WORK/out.txt")"
    [ "${2:-skip}" = skip ] && [ $((i % 8)) -eq 4 ] && press_key Escape
    sleep 0.25
  done
  fail "no main menu after ${1:-30}s"
}

# Replaces pointer picture $1 of the copy with one whose hot spot, (32, 32)
# of its 64 x 64 picture, is a flat green 3 x 3 dot.
marked_pointer() {
  convert -size 64x64 xc:'#ff00ff' -fill '#00ff00' -draw 'rectangle 31,31 33,33' \
    -type truecolor "BMP3:$WORK/data/gfx/$1"
}
# Mean position "x y" of the pure green pixels of a picture.
green_centre() {
  convert "$1" txt:- | awk -F'[,: ]+' '/#00FF00/ {x += $1; y += $2; n++} END {if (n) printf "%d %d", x / n, y / n}'
}

# A duelist of the shipped drifter's pictures, delay $1, with the given ticks
# (the creature file on standard output).
duelist() {
  local delay=$1; shift
  local ticks=("$@")
  printf 'ANIMATION duel_drifter_a.txt\nTYPE 1\nDELAY %d\nMAX_SHOW 1\nSCORE 100\n' "$delay"
  printf 'SOUND_DEAD creature/slowpoke_dead.wav\nSOUND_SHOT duel/shot.wav\nSOUND_CRY creature/slowpoke_cry.wav\n'
  printf 'CHILD 0\nTICKS %d\n' "${#ticks[@]}"
  for i in "${!ticks[@]}"; do echo "$i ${ticks[$i]}"; done
}

# Pixels of colour $3 (within 4%) in region $2 (WxH+X+Y) of picture $1.
colour_pixels() {
  convert "$1" -crop "$2" +repage -fuzz 4% -fill black +opaque "$3" -fill white -opaque "$3" \
    -format "%[fx:int(mean*w*h+0.5)]" info:
}

# Level 1 of the copy's level script, alone: the first street with creature
# $1 (a file under data/object/), a quota of $2, and no door that ever opens.
quiet_street() {
  printf 'LEVEL 1\nCREATURE %s 1\nBACK back/street_day.bmp\nMODE 0\nMAX_DOORS_OPEN 1\nREFRESH_DOOR 0\nMAX_BANDIT %s\nNEXT 1\nEND_OF_LEVEL 1\n' \
    "$1" "$2" > "$WORK/data/levels/levels.txt"
}

# On a screenshot $1: the street in play (its kill bar shows), and in play
# with READY gone, when a click fires.
READY_PLATE=112x29+264+200     # the READY plate ...
READY_PAPER='#f8ecca'           # ... and its paper
in_game() { [ "$(pixel "$1" 634 300)" = "200,200,200" ]; }
playing() { in_game "$1" && [ "$(colour_pixels "$1" $READY_PLATE "$READY_PAPER")" -lt 100 ]; }

# wait_for SECONDS COMMAND...: the command on fresh screenshots, until it holds.
wait_for() {
  local t=$1; shift
  for _ in $(seq $((t * 5))); do
    frame_shot "$WORK/w.png"
    "$@" "$WORK/w.png" && return 0
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended: $(cat "$WORK/out.txt")"
    sleep 0.2
  done
  return 1
}
