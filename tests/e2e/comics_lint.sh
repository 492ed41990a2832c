#!/usr/bin/env bash
# Checks the comic scripts of the built game folder without playing them,
# through comix_show --lint, which reads them with the game's own reader:
#  - every word is a command of the comic language with well-formed arguments,
#    or a comment word written in capitals (a lowercase word that is no
#    command is a misspelt command, which the player would silently skip);
#  - slot and image numbers lie in 0..19, file names fit the 28-character
#    limit, and every picture, sound and included script named exists;
#  - no picture or sound is used before it is loaded or loaded over a
#    loaded one, and an included script includes nothing further;
#  - the fixed comics and every comic named by levels.txt exist;
#  - the comics together use every command of the language;
#  - the comic picture generator finds no lettering wider than its box or
#    balloon less a 4-pixel margin on each side, and the committed pictures
#    and rectangles are what it draws (it renders into a scratch folder and
#    leaves the sources alone).
# Needs GAME_DIR and COMIX_SHOW; no display.
set -uo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }
note() { echo "-- $*"; }

[ -n "${GAME_DIR:-}" ] || fail "GAME_DIR is not set"
DIR="$GAME_DIR/data/comix"
[ -d "$DIR" ] || fail "no folder $DIR"

[ -n "${COMIX_SHOW:-}" ] || fail "COMIX_SHOW is not set"
# The scripts, read by the game's own comic reader (comix_show --lint).
out=$(cd "$GAME_DIR" && "$COMIX_SHOW" --lint 2>&1) || fail "the comics have faults:
$out"
echo "$out"
grep -q -- "-- the comics use every command of the language" <<<"$out" \
    || fail "the lint did not check the commands used:
$out"

GEN="$(cd "$(dirname "$0")/../.." && pwd)/assets/comix/_gen.py"
if [ -f "$GEN" ]; then
    scratch=$(mktemp -d)
    COMIX_OUT="$scratch" COMIX_NO_CACHE_WRITE=1 python3 "$GEN" > /dev/null 2> "$scratch/err"
    rc=$?
    cat "$scratch/err" >&2
    stale=""
    if [ $rc = 0 ]; then
        for f in "$scratch"/*.svg "$scratch"/_rects.json; do
            cmp -s "$f" "$(dirname "$GEN")/$(basename "$f")" || stale="$stale $(basename "$f")"
        done
    fi
    rm -rf "$scratch"
    [ $rc = 0 ] || fail "the comic pictures have lettering outside its box (see above)"
    note "all comic lettering fits its box with a 4-pixel margin"
    [ -z "$stale" ] || fail "the generator draws these differently from the committed files (run it again):$stale"
    note "the committed comic pictures are the generator's"
fi
echo "PASS"
