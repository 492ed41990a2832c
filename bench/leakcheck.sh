#!/usr/bin/env bash
# Leak check of the real program: a scripted session under its own Xvfb
# (intro, menu, options, a game of two levels with shots and a reload, the
# quit dialog answered No and then Yes, the name into the table, the table
# from the menu's poster, Quit and Yes) played by a program built with
# AddressSanitizer, whose LeakSanitizer lists at exit what was never freed.
#   bench/leakcheck.sh SANITIZE_BUILD [GAME_BUILD]
# SANITIZE_BUILD is a build folder configured with -DDEADEYE_SANITIZE=ON
# (make test's $(BUILD)/sanitize; `cmake --build DIR --target deadeye`), the
# data comes from GAME_BUILD (default build).  A leak counts as the game's
# when its allocation was made from the game's code (directly, or through
# Allegro's bitmap and sample constructors) outside Allegro's own set-up;
# those are printed in full and make the check fail.  The rest (Allegro's,
# Xlib's and the sound library's own) are counted and listed by their top
# frame.
set -uo pipefail
. "$(dirname "$0")/lib.sh"
if [ -z "${LEAK_INNER:-}" ]; then
  here=$(cd "$(dirname "$0")/.." && pwd)
  LEAK_INNER=1 exec "$here/tools/with-xvfb.sh" bash "$0" "$@"
fi
san=$(cd "$1" && pwd)
game=$(cd "${2:-build}" && pwd)/game
[ -x "$san/game/deadeye" ] || { echo "no $san/game/deadeye: build it with --target deadeye"; exit 2; }
work=$(mktemp -d /tmp/deadeye-leak-XXXXXX)
trap 'rm -rf "$work"' EXIT
cp -r "$game/." "$work/"
cp "$san/game/deadeye" "$work/deadeye"
printf 'GFX_MODE 1\nGFX_COLOR 32\nMUSIC_ON 1\nSCALE 1\n' > "$work/setup.cfg"
( cd "$work" && ASAN_OPTIONS=detect_leaks=1:fast_unwind_on_malloc=0:malloc_context_size=40:log_path="$work/asan" \
    UBSAN_OPTIONS=print_stacktrace=1 exec ./deadeye ) > "$work/out.txt" 2>&1 &
pid=$!
wait_for_window "$pid" 600 "$work/out.txt"
click() { xdotool mousemove --window "$wid" "$1" "$2" mousedown "${3:-1}" 2>/dev/null; sleep 0.08; xdotool mouseup "${3:-1}" 2>/dev/null; sleep 0.2; }
key() { xdotool keydown --window "$wid" "$1" 2>/dev/null; sleep 0.1; xdotool keyup --window "$wid" "$1" 2>/dev/null; sleep 0.2; }
code() { key Escape; sleep 0.5; xdotool keydown --window "$wid" shift; xdotool type --window "$wid" --delay 40 "$1"; xdotool keyup --window "$wid" shift; }
shots() { for i in $(seq "$1"); do click $((60 + RANDOM % 520)) $((60 + RANDOM % 300)); sleep 0.3; done; }
step() { echo "-- $*"; [ -n "${LEAK_SHOTS:-}" ] && import -window root "$LEAK_SHOTS/$(echo "$*" | tr -c 'a-z0-9\n' _).png" 2>/dev/null; kill -0 "$pid" 2>/dev/null || { echo "the game ended early: $(grep -v ^ALSA "$work/out.txt" | tail)"; exit 1; }; }

# The program runs slower under the sanitizer: every step waits generously.
# Comics are skipped with a click low on the screen (in play it is a shot).
skip() { click 320 440; sleep "${1:-4}"; }
step intro; sleep 5; skip
step options; click 80 318; sleep 3; click 330 250; sleep 1; click 75 300; sleep 3
step "new game, level 1"; click 65 263; sleep 4; skip 3; shots 8; click 300 200 3; sleep 1; shots 4
step "the dialog, No"; key Escape; sleep 1.5; click 377 200; sleep 1.5
step "the quota code, level 2"; code WOODENPIGEON; sleep 6; skip; skip; shots 8
step "the dialog, Yes"; key Escape; sleep 1.5; click 255 180; sleep 5; skip
step "the name"; xdotool type --window "$wid" --delay 80 leak 2>/dev/null; key Return; sleep 3; click 330 240; sleep 3
step "the table from the poster"; click 520 370; sleep 3; click 330 240; sleep 3
step quit; click 65 363; sleep 2; click 255 180; sleep 2
for _ in $(seq 300); do kill -0 "$pid" 2>/dev/null || break; [ $((RANDOM % 10)) -eq 0 ] && click 320 440; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then echo "the game did not end"; kill "$pid"; fi
wait "$pid"; rc=$?
echo "-- the game ended with status $rc"
report=$(cat "$work"/asan.* 2>/dev/null)
if [ -z "$report" ]; then
  echo "leakcheck: no leak at all"
  exit 0
fi
# One block per leak: split the report and sort each into the game's or not.
awk -v srcdir="$(cd "$(dirname "$0")/.." && pwd)/src/" '
  function flush() {
    if (block == "") return
    ours = (index(block, srcdir) > 0) && (block !~ /install_allegro|set_gfx_mode|install_sound|install_keyboard|install_mouse|install_timer|_xwin_|XOpenDisplay|snd_/)
    if (ours) { game++; print block > "/dev/stderr" }
    else { other++; split(block, l, "\n"); for (i in l) if (l[i] ~ /#[0-9]+ .* in / && l[i] !~ /malloc|calloc|realloc|operator new|strdup/) { sub(/.* in /, "", l[i]); sub(/ .*/, "", l[i]); tops[l[i]]++; break } }
    block = ""
  }
  /^(Direct|Indirect) leak/ { flush(); block = $0 "\n"; next }
  /^SUMMARY/ { flush(); summary = $0; next }
  block != "" { if ($0 == "") flush(); else block = block $0 "\n" }
  END {
    flush()
    printf "leakcheck: %d leak(s) of the game, %d of the libraries (%s)\n", game, other, summary
    for (t in tops) printf "   library leak from %s x%d\n", t, tops[t]
    exit game > 0
  }' <<<"$report"
