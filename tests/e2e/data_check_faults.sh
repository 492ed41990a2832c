#!/usr/bin/env bash
# The data checker catches what the loaders let through: each case breaks a
# copy of the built data in one way and expects the checker to fail naming
# the fault, and the untouched copy to pass.  Needs GAME_DIR and DATACHECK;
# no display.  The copies are trees of links to the built data with only the
# broken file made real, and the checker runs on two of them at a time.
set -uo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }
note() { echo "-- $*"; }

[ -n "${GAME_DIR:-}" ] || fail "GAME_DIR is not set"
[ -x "${DATACHECK:-}" ] || fail "DATACHECK does not name the checker"
WORK=$(mktemp -d /tmp/deadeye-datacheck-XXXXXX)
trap 'rm -rf "$WORK"' EXIT
DATA="$GAME_DIR/data"
[ -d "$DATA" ] || fail "no data tree in $GAME_DIR"
DATA=$(cd "$DATA" && pwd)

# The case's tree: $T/data, links to the built files.
T=""
tree() { T="$WORK/$1"; mkdir -p "$T"; cp -rs "$DATA" "$T/data"; }
# A file of the case's tree made its own, so that writing it leaves the
# built data alone; prints its path.
own() { local f="$T/data/$1"; rm -f "$f"; cp "$DATA/$1" "$f"; echo "$f"; }
edit() { local f; f=$(own "$1"); shift; sed -i "$@" "$f"; }

# case NAME PATTERN: the broken tree NAME must fail the check with a line
# matching PATTERN.
declare -A WANT
case_() { WANT[$1]=$2; tree "$1"; }

tree shipped

# Tick table of a bandit: value 2 while the door is still opening.
case_ early "slick.txt: fires at tick 3, before tick 4"
edit object/slick.txt 's/^3 1$/3 2/'
# The same bandit firing two ticks after he draws: 2 x 12 hundredths.
case_ warning "slick.txt at difficulty 0: draws at tick 2 and fires at tick 4, 0.24 s later"
edit object/slick.txt 's/^4 1$/4 2/'
# A feint that flashes the gun: drawn for two ticks, then put away.
case_ feint "feinter.txt at difficulty 2: shows his gun drawn from tick 3 to tick 4, 0.20 s, then puts it away at tick 5"
edit object/feinter.txt 's/^5 1$/5 0/; s/^6 1$/6 0/; s/^7 1$/7 0/'
# A civilian who fires.
case_ civilian "lady.txt: a civilian (TYPE 0) fires"
edit object/lady.txt 's/^5 0$/5 2/; s/^5 5$/5 2/'
# A NEXT that leads nowhere.
case_ next "level 1: NEXT 77 is not a level of the script"
edit levels/levels.txt '0,/^NEXT 2$/s//NEXT 77/'
# A decoration moved up under the status line.
case_ decoration "roof_vane.txt pose 0: .* lies under the status line"
edit decor/roof_vane.txt 's/^Y .*/Y 4/'
# A background smaller than the screen.
case_ background "its BACK picture is 320 x 240, the screen needs 640 x 480"
rm "$T/data/gfx/back/street_day.bmp"
convert -size 320x240 xc:'#806040' -type truecolor "BMP3:$T/data/gfx/back/street_day.bmp"
# A creature file the loader refuses: reported, not a crash.
case_ creature "kid.txt"
edit object/kid.txt 's/^TICKS /TICKZ /'
# A picture frame of the revolver missing: the firing step of one sector.
case_ revolver "kolt01.txt: slot 6 (aiming sector 6) has no step 1"
edit text/kolt01.txt 's/^6 2$/6 1/; s/^12 10 13 10 0$/12 10 0/'
# A level without MODE would inherit the mode of the level before it.
case_ mode "level 2: no MODE"
f=$(own levels/levels.txt)
awk '/^LEVEL 2$/ {in2 = 1} in2 && /^MODE / {in2 = 0; next} {print}' "$DATA/levels/levels.txt" > "$f"
# A duelist who fires the tick after he draws.
case_ duelist "duel_drifter_a.txt at difficulty 0: draws at tick 4 and fires at tick 5"
edit object/duel_drifter_a.txt 's/^5 5$/5 2/'
# A duel that lists a decoration: never drawn, yet it breaks under a shot.
case_ duel_decoration "duel level 13 lists DECORATION roof_vane.txt"
edit levels/levels.txt '/^LEVEL 13$/a DECORATION roof_vane.txt'
# A duelist whose script is too short for the hold and the retreat: the
# loader refuses the level, naming the duelist.
case_ duel_ticks "duel level 13: its duelist 1 (duel_drifter_b.txt) has 2 TICKS"
edit object/duel_drifter_b.txt 's/^TICKS .*/TICKS 2/'
# A misspelt keyword, which the game passes over, named with its line; and a
# number beyond what its field can use, which the loader refuses by name.
case_ keyword "levels.txt:16: level 1: 'REFRESH_DOR' is no keyword"
edit levels/levels.txt '16s/REFRESH_DOOR 10/REFRESH_DOR 10/'
case_ range "slick.txt: DELAY is 2147483647, not 0 to 6000"
edit object/slick.txt 's/^DELAY .*/DELAY 2147483647/'

# Every tree checked, two at a time; each writes NAME.out and NAME.rc.
export DATACHECK
printf '%s\n' shipped "${!WANT[@]}" |
  xargs -P 2 -I{} sh -c 'cd "$1/$2" && "$DATACHECK" > "$1/$2.out" 2>&1; echo $? > "$1/$2.rc"' _ "$WORK" {}

[ "$(cat "$WORK/shipped.rc")" = 0 ] || fail "the shipped data does not pass: $(grep PROBLEM "$WORK/shipped.out")"
for name in "${!WANT[@]}"; do
  out="$WORK/$name.out"
  [ "$(cat "$WORK/$name.rc")" != 0 ] || fail "$name: the checker passed"
  grep -q -- "${WANT[$name]}" "$out" || fail "$name: no line matching '${WANT[$name]}' in:
$(grep -E 'PROBLEM|datacheck:' "$out")"
  note "$name: $(grep -m1 -- "${WANT[$name]}" "$out")"
done
note "every fault was caught"
