#!/usr/bin/env bash
# The data checker catches what the loaders let through: each case breaks a
# copy of the built data in one way and expects the checker to fail naming
# the fault, and the untouched copy to pass.  Needs GAME_DIR and DATACHECK;
# no display.
set -uo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }
note() { echo "-- $*"; }

[ -n "${GAME_DIR:-}" ] || fail "GAME_DIR is not set"
[ -x "${DATACHECK:-}" ] || fail "DATACHECK does not name the checker"
WORK=$(mktemp -d /tmp/deadeye-datacheck-XXXXXX)
trap 'rm -rf "$WORK"' EXIT

fresh() { rm -rf "$WORK/game"; mkdir -p "$WORK/game"; cp -r "$GAME_DIR/data" "$WORK/game/"; }

# check <what> <pattern>: the checker fails on the copy and says <pattern>.
check() {
    local out rc
    out=$(cd "$WORK/game" && "$DATACHECK" 2>&1); rc=$?
    [ "$rc" -ne 0 ] || fail "$1: the checker passed"
    grep -q -- "$2" <<<"$out" || fail "$1: no line matching '$2' in:
$(grep -E 'PROBLEM|datacheck:' <<<"$out")"
    note "$1: $(grep -m1 -- "$2" <<<"$out")"
}

fresh
out=$(cd "$WORK/game" && "$DATACHECK" 2>&1) || fail "the shipped data does not pass: $(grep PROBLEM <<<"$out")"

# Tick table of a bandit: value 2 while the door is still opening.
fresh
sed -i 's/^3 1$/3 2/' "$WORK/game/data/object/slick.txt"
check "a shot before the door is open" "slick.txt: fires at tick 3, before tick 4"

# The same bandit firing two ticks after he draws: 2 x 12 hundredths.
fresh
sed -i 's/^4 1$/4 2/' "$WORK/game/data/object/slick.txt"
check "too little warning" "slick.txt at difficulty 0: draws at tick 2 and fires at tick 4, 0.24 s later"

# A feint that flashes the gun: drawn for two ticks, then put away.
fresh
sed -i 's/^5 1$/5 0/; s/^6 1$/6 0/; s/^7 1$/7 0/' "$WORK/game/data/object/feinter.txt"
check "a feint too short to shoot" "feinter.txt at difficulty 2: shows his gun drawn from tick 3 to tick 4, 0.20 s, then puts it away at tick 5"

# A civilian who fires.
fresh
sed -i 's/^5 0$/5 2/; s/^5 5$/5 2/' "$WORK/game/data/object/lady.txt"
check "a civilian firing" "lady.txt: a civilian (TYPE 0) fires"

# A NEXT that leads nowhere.
fresh
sed -i '0,/^NEXT 2$/s//NEXT 77/' "$WORK/game/data/levels/levels.txt"
check "NEXT to a missing level" "level 1: NEXT 77 is not a level of the script"

# A decoration moved up under the status line.
fresh
sed -i 's/^Y .*/Y 4/' "$WORK/game/data/decor/roof_vane.txt"
check "a decoration under the status line" "roof_vane.txt pose 0: .* lies under the status line"

# A background smaller than the screen.
fresh
convert -size 320x240 xc:'#806040' -type truecolor "BMP3:$WORK/game/data/gfx/back/street_day.bmp"
check "a small background" "its BACK picture is 320 x 240, the screen needs 640 x 480"

# A creature file the loader refuses: reported, not a crash.
fresh
sed -i 's/^TICKS /TICKZ /' "$WORK/game/data/object/kid.txt"
check "a broken creature file" "kid.txt"

# A picture frame of the revolver missing: the firing step of one sector.
fresh
sed -i 's/^6 2$/6 1/; s/^12 10 13 10 0$/12 10 0/' "$WORK/game/data/text/kolt01.txt"
check "a revolver sector without its firing step" "kolt01.txt: slot 6 (aiming sector 6) has no step 1"
# A level without MODE would inherit the mode of the level before it.
fresh
awk '/^LEVEL 2$/ {in2 = 1} in2 && /^MODE / {in2 = 0; next} {print}' "$GAME_DIR/data/levels/levels.txt" \
    > "$WORK/game/data/levels/levels.txt"
check "a level without MODE" "level 2: no MODE"

# A duelist who fires the tick after he draws.
fresh
sed -i 's/^5 5$/5 2/' "$WORK/game/data/object/duel_drifter_a.txt"
check "a duelist's shot too soon after his draw" "duel_drifter_a.txt at difficulty 0: draws at tick 4 and fires at tick 5"

# A duel that lists a decoration: never drawn, yet it breaks under a shot.
fresh
sed -i '/^LEVEL 13$/a DECORATION roof_vane.txt' "$WORK/game/data/levels/levels.txt"
check "a decoration in a duel" "duel level 13 lists DECORATION roof_vane.txt"

# A duelist whose script is too short for the hold and the retreat: the
# loader refuses the level, naming the duelist.
fresh
sed -i 's/^TICKS .*/TICKS 2/' "$WORK/game/data/object/duel_drifter_b.txt"
check "a duelist of two ticks" "duel level 13: its duelist 1 (duel_drifter_b.txt) has 2 TICKS"
# A misspelt keyword, which the game passes over, named with its line; and a
# number beyond what its field can use, which the loader refuses by name.
fresh
sed -i '16s/REFRESH_DOOR 10/REFRESH_DOR 10/' "$WORK/game/data/levels/levels.txt"
check "a misspelt keyword" "levels.txt:16: level 1: 'REFRESH_DOR' is no keyword"
fresh
sed -i 's/^DELAY .*/DELAY 2147483647/' "$WORK/game/data/object/slick.txt"
check "a DELAY beyond its range" "slick.txt: DELAY is 2147483647, not 0 to 6000"
note "every fault was caught"
