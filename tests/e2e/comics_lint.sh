#!/usr/bin/env bash
# Checks the comic scripts of the built game folder without playing them:
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
# Needs GAME_DIR; no display.
set -uo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }
note() { echo "-- $*"; }

[ -n "${GAME_DIR:-}" ] || fail "GAME_DIR is not set"
DIR="$GAME_DIR/data/comix"
[ -d "$DIR" ] || fail "no folder $DIR"

for name in intro.cmx goodbye.cmx gameover.cmx; do
    [ -f "$DIR/$name" ] || fail "the comic $name is missing"
done
LEVELS="$GAME_DIR/data/levels/levels.txt"
if [ -f "$LEVELS" ]; then
    named=$(awk '$1 == "KOMIX_START" || $1 == "KOMIX_FINISH" { print $2 }' "$LEVELS" | sort -u)
    for name in $named; do
        [ -f "$DIR/$name" ] || fail "levels.txt names the comic $name, which is missing"
    done
    note "levels.txt names $(echo $named | wc -w) comics, all present"
fi

# Main scripts: the fixed ones, the level ones, and any other that is not
# only pulled in by an include.
mains=$( { echo intro.cmx goodbye.cmx gameover.cmx; echo "${named:-}"; } | tr ' ' '\n' | sed '/^$/d' | sort -u)
included=$(cat "$DIR"/*.cmx | awk '{ for (i = 1; i < NF; i++) if ($i == "include") print $(i + 1) }' | sort -u)
for f in "$DIR"/*.cmx; do
    b=$(basename "$f")
    echo "$included" | grep -qx "$b" || mains=$(printf '%s\n%s\n' "$mains" "$b" | sort -u)
done

report=$(mktemp)
trap 'rm -f "$report"' EXIT
for name in $mains; do
    awk -v dir="$DIR" -v main="$name" '
    BEGIN {
        # argument kinds: i = integer, s = slot or image number 0..19, f = file
        argkinds["image"] = "sf"; argkinds["destroy"] = "s"; argkinds["delay"] = "i"; argkinds["cls"] = ""
        argkinds["virtual"] = "ssiiii"; argkinds["vis_on"] = "s"; argkinds["vis_off"] = "s"
        argkinds["move"] = "siiiii"; argkinds["setxy"] = "sii"; argkinds["fade"] = "sii"
        argkinds["setreal"] = "sii"; argkinds["movereal"] = "sii"; argkinds["getXY"] = "ss"
        argkinds["resize"] = "siiii"; argkinds["resize_rel"] = "siiii"; argkinds["resize_stop"] = "s"
        argkinds["quit"] = ""; argkinds["scroll"] = "iii"; argkinds["scroll_off"] = ""
        argkinds["anime"] = "sii"; argkinds["anime_type"] = "si"; argkinds["sound"] = "sf"
        argkinds["destroy_sound"] = "s"; argkinds["play_sound"] = "sii"; argkinds["repeat_sound"] = "sii"
        argkinds["stop_sound"] = "s"; argkinds["pause"] = ""; argkinds["include"] = "f"
        bad = 0
        run(main, 0)
        for (k in used) print "USED", k
        exit bad
    }
    function err(file, msg) { print "FAIL: " file ": " msg > "/dev/stderr"; bad = 1 }
    function run(file, depth,    path, n, w, line, i, k, kind, args, a, j, ext) {
        path = dir "/" file
        if ((getline line < path) < 0) { err(main, "names " file ", which is missing"); return }
        n = 0
        do { k = split(line, a); for (j = 1; j <= k; j++) w[++n] = a[j] } while ((getline line < path) > 0)
        close(path)
        for (i = 1; i <= n; i++) {
            if (!(w[i] in argkinds)) {
                if (w[i] ~ /[a-z]/) err(file, "\"" w[i] "\" is no command of the comic language")
                continue
            }
            cmd = w[i]; kind = argkinds[cmd]; used[cmd] = 1
            for (j = 1; j <= length(kind); j++) {
                args[j] = w[i + j]
                t = substr(kind, j, 1)
                if (i + j > n) { err(file, cmd " lacks its arguments"); return }
                if (t != "f" && args[j] !~ /^-?[0-9]+$/) err(file, cmd " has \"" args[j] "\" where a number belongs")
                if (t == "s" && (args[j] + 0 < 0 || args[j] + 0 > 19)) err(file, cmd " uses number " args[j] " outside 0..19")
                if (t == "f") {
                    if (length(args[j]) > 28) err(file, "file name " args[j] " is longer than 28 characters")
                    if ((getline line < (dir "/" args[j])) < 0) err(file, cmd " names " args[j] ", which is missing")
                    close(dir "/" args[j])
                }
            }
            i += length(kind)
            if (cmd == "image" || cmd == "sound") {
                ext = cmd == "image" ? "\\.bmp$" : "\\.wav$"
                if (args[2] !~ ext) err(file, cmd " loads " args[2] ", not a " (cmd == "image" ? "picture" : "sound"))
                if ((cmd, args[1]) in loaded) err(file, cmd " " args[1] " is loaded again without being released first")
                loaded[cmd, args[1]] = 1
            } else if (cmd == "destroy" || cmd == "destroy_sound") {
                t = cmd == "destroy" ? "image" : "sound"
                if (!((t, args[1]) in loaded)) err(file, cmd " " args[1] " releases a slot that holds nothing")
                delete loaded[t, args[1]]
            } else if (cmd == "virtual") {
                if (!(("image", args[2]) in loaded)) err(file, "virtual " args[1] " is cut from picture slot " args[2] ", which holds nothing")
            } else if (cmd == "play_sound" || cmd == "repeat_sound") {
                if (!(("sound", args[1]) in loaded)) err(file, cmd " " args[1] " plays a slot that holds nothing")
                if (args[2] + 0 < 0 || args[2] + 0 > 255 || args[3] + 0 < 0 || args[3] + 0 > 255) err(file, cmd " volume or pan outside 0..255")
            } else if (cmd == "anime") {
                if (args[2] + 0 > 0 && args[3] + 0 < 1) err(file, "anime " args[1] " runs with a tempo below 1")
            } else if (cmd == "include") {
                if (depth > 0) err(file, "includes " args[1] " inside an included script, which the player passes over")
                else run(args[1], 1)
            }
        }
    }' >> "$report" || fail "$name has faults (see above)"
done
note "scripts checked: $(echo $mains | wc -w) comics and their included scripts"

missing=""
for cmd in image destroy delay cls virtual vis_on vis_off move setxy fade setreal movereal getXY \
           resize resize_rel resize_stop quit scroll scroll_off anime anime_type sound destroy_sound \
           play_sound repeat_sound stop_sound pause include; do
    grep -qx "USED $cmd" "$report" || missing="$missing $cmd"
done
[ -z "$missing" ] || fail "no comic uses:$missing"
note "the comics use every command of the language"

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
