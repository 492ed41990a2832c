#!/usr/bin/env bash
# The installed game: make install's step into a scratch root; the installed
# launcher started by two players (two HOMEs) gives each a game folder of
# their own with the shared data linked in and setup.cfg and top.txt copied
# once, never overwritten; it passes the game's exit status on and says
# clearly when the folder cannot be made.  The menu entry, icons and AppStream
# metainfo pass their validators.  When the Debian tools are there, the .deb
# is built from this build folder and inspected with dpkg-deb and lintian.
. "$E2E_LIB/common.sh"

BUILD_DIR=$(dirname "$GAME_DIR")
SRC=$(cd "$E2E_LIB/../../.." && pwd)
APP_ID=io.github.deadeyegulch.DeadeyeGulch
WORK=$(mktemp -d /tmp/deadeye-install-XXXXXX)
GAME_PID=""
trap 'cleanup_game' EXIT
ROOT=$WORK/root
LAUNCHER=$ROOT/usr/games/deadeye-gulch
SHARED=$ROOT/usr/share/games/deadeye-gulch

# ---- make install's step, as a package build does it
DESTDIR=$ROOT cmake --install "$BUILD_DIR" --prefix /usr --strip >"$WORK/install.log" 2>&1 ||
  fail "install: $(tail -n5 "$WORK/install.log")"
note "installed $(find "$ROOT" -type f | wc -l) files, $(du -sh "$ROOT" | cut -f1)"

# Modes: the launcher and the program 0755, everything else 0644, folders 0755.
bad=$(find "$ROOT" \( -type f ! -perm 0644 ! -path "$LAUNCHER" ! -path '*/lib/games/deadeye-gulch/deadeye' \) -o \
  \( -type d ! -perm 0755 \) -o \( -type f -perm /022 \))
[ -z "$bad" ] || fail "wrong modes: $bad"
for p in "$LAUNCHER" "$ROOT/usr/lib/games/deadeye-gulch/deadeye"; do
  [ "$(stat -c %a "$p")" = 755 ] || fail "$p is not 0755"
done
# The data tree is the build's, whole.
diff -rq "$GAME_DIR/data" "$SHARED/data" >/dev/null || fail "installed data differs from the build's: $(diff -rq "$GAME_DIR/data" "$SHARED/data" | head -n3)"
cmp -s "$SRC/dist/top.txt" "$SHARED/top.txt" && cmp -s "$SRC/dist/setup.cfg" "$SHARED/setup.cfg" || fail "shared setup.cfg/top.txt are not the shipped ones"
# A stripped program without a run path.
readelf -S "$ROOT/usr/lib/games/deadeye-gulch/deadeye" | grep -q '\.symtab' && fail "the installed program is not stripped"
readelf -d "$ROOT/usr/lib/games/deadeye-gulch/deadeye" | grep -qE 'RPATH|RUNPATH' && fail "the installed program has a run path"
# Icons in every size, named as the menu entry names them.
DESKTOP=$ROOT/usr/share/applications/$APP_ID.desktop
icon=$(sed -n 's/^Icon=//p' "$DESKTOP")
[ -f "$ROOT/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon $icon.svg"
for s in 48 64 128 256; do
  f=$ROOT/usr/share/icons/hicolor/${s}x${s}/apps/$icon.png
  [ "$(identify -format %wx%h "$f" 2>/dev/null)" = "${s}x${s}" ] || fail "icon $f is not ${s}x${s}"
done
[ "$(sed -n 's/^Exec=//p' "$DESKTOP")" = deadeye-gulch ] || fail "the menu entry does not start the launcher"
zcat "$ROOT/usr/share/man/man6/deadeye-gulch.6.gz" | grep -q '^\.TH DEADEYE-GULCH 6' || fail "no manual page"
# The manual page tells what the README tells: Esc opens the quit dialog, Q
# ends the game, and setup.cfg has four settings.
MAN=$WORK/manual.txt
zcat "$ROOT/usr/share/man/man6/deadeye-gulch.6.gz" >"$MAN"
for fact in 'quit dialog' 'end the game at once' GFX_MODE GFX_COLOR MUSIC_ON SCALE F11 'screen.bmp'; do
  grep -qiF "$fact" "$MAN" || fail "the manual page does not mention $fact"
  grep -qiF "$fact" "$SRC/README.md" || fail "the README does not mention $fact"
done
grep -qiE '^Quit\.$|three settings' "$MAN" && fail "the manual page still says Esc quits or names three settings"

# ---- validators of the installed menu entry and metainfo
if command -v desktop-file-validate >/dev/null; then
  out=$(desktop-file-validate "$DESKTOP" 2>&1) && [ -z "$out" ] || fail "desktop-file-validate: $out"
  note "desktop-file-validate: clean"
fi
if command -v appstreamcli >/dev/null; then
  out=$(appstreamcli validate-tree --no-net --strict "$ROOT" 2>&1) || fail "appstreamcli validate-tree: $out"
  note "appstreamcli validate-tree --strict: $(echo "$out" | tail -n1)"
fi

# ---- the launcher, as players start it
# Starts the installed launcher in the background with HOME=$1 and the rest of
# the environment given after it; output to $WORK/out.txt.
launch() {
  local home=$1; shift
  mkdir -p "$home"
  ( env -u XDG_DATA_HOME HOME="$home" "$@" "$LAUNCHER" ) >"$WORK/out.txt" 2>&1 &
  GAME_PID=$!
}
# Waits until the window shows something other than black: the intro.
wait_lit() {
  for _ in $(seq 80); do
    shot "$1"
    lit=$(convert "$1" -colorspace gray -format "%[fx:mean]" info:)
    awk -v m="$lit" 'BEGIN{exit !(m > 0.05)}' && return 0
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended: $(cat "$WORK/out.txt")"
    sleep 0.25
  done
  fail "the screen stayed black for 20 s"
}
close_game() {
  "$E2E_TOOLS/wm_close" "$WID"
  wait_exit 10
  [ "$RC" -eq 0 ] || fail "closing the window: the launcher ended with $RC: $(cat "$WORK/out.txt")"
}

# First start of player 1: the folder is made, the intro shows, the program
# runs in that folder (the launcher hands over to it), closing gives 0.
P1=$WORK/h1/.local/share/deadeye-gulch
launch "$WORK/h1"
wait_window 20
wait_lit "$WORK/intro.png"
[ "$(readlink "/proc/$GAME_PID/cwd")" = "$P1" ] || fail "the game does not run in $P1 but in $(readlink "/proc/$GAME_PID/cwd")"
[ "$(readlink -f "$P1/data")" = "$(readlink -f "$SHARED/data")" ] || fail "$P1/data does not lead to the shared data"
for f in setup.cfg top.txt; do
  [ -f "$P1/$f" ] && [ ! -L "$P1/$f" ] && [ -w "$P1/$f" ] || fail "$P1/$f is not a writable copy"
  cmp -s "$P1/$f" "$SHARED/$f" || fail "$P1/$f is not the shipped one"
done
close_game
note "player 1: intro shown, game ran in $P1, closed with 0"

# The player's files are theirs: changed, they survive a second start; a
# data link that leads nowhere (the game moved) is pointed at the data again.
sed -i '1s/.*/9999\tMARSHAL/' "$P1/top.txt"
printf 'GFX_MODE 1\nGFX_COLOR 16\nMUSIC_ON 0\n' >"$P1/setup.cfg"
for f in setup.cfg top.txt; do cmp -s "$P1/$f" "$SHARED/$f" && fail "the test's change to $f changed nothing"; done
cp "$P1/top.txt" "$WORK/top1.txt"; cp "$P1/setup.cfg" "$WORK/setup1.cfg"
ln -sfn /nonexistent/data "$P1/data"
launch "$WORK/h1"
wait_window 20
wait_lit "$WORK/second.png"
close_game
cmp -s "$P1/top.txt" "$WORK/top1.txt" || fail "the second start overwrote top.txt"
cmp -s "$P1/setup.cfg" "$WORK/setup1.cfg" || fail "the second start overwrote setup.cfg"
[ "$(readlink -f "$P1/data")" = "$(readlink -f "$SHARED/data")" ] || fail "a stale data link was not renewed"
note "player 1 again: own top.txt and setup.cfg kept, data link renewed"

# Player 2, with XDG_DATA_HOME set, gets a folder of their own; a real data
# folder there is theirs and kept, and the game's failure on its missing
# files comes back as the launcher's status.
P2=$WORK/xdg2/deadeye-gulch
mkdir -p "$P2/data"
launch "$WORK/h2" XDG_DATA_HOME="$WORK/xdg2"
wait_exit 20
[ "$RC" -eq 255 ] || fail "the game's error status did not come through: $RC: $(cat "$WORK/out.txt")"
grep -q 'data/' "$WORK/out.txt" || fail "no message naming the missing data: $(cat "$WORK/out.txt")"
[ -d "$P2/data" ] && [ ! -L "$P2/data" ] || fail "player 2's own data folder was replaced"
cmp -s "$P2/top.txt" "$SHARED/top.txt" || fail "player 2 did not get the shipped top.txt"
cmp -s "$P1/top.txt" "$WORK/top1.txt" || fail "player 2's start touched player 1's table"
[ ! -e "$WORK/h2/.local" ] || fail "with XDG_DATA_HOME set, ~/.local was used"
note "player 2: own folder under XDG_DATA_HOME, status 255 passed on: $(grep -m1 deadeye: "$WORK/out.txt")"

# A game folder that cannot be made: a clear message, status 1, no game.
: >"$WORK/notadir"
launch "$WORK/h3" XDG_DATA_HOME="$WORK/notadir/share"
wait_exit 10
[ "$RC" -eq 1 ] || fail "unmakeable folder: status $RC"
grep -q "cannot make your game folder $WORK/notadir/share/deadeye-gulch" "$WORK/out.txt" || fail "unmakeable folder: $(cat "$WORK/out.txt")"
note "unmakeable folder: $(cat "$WORK/out.txt")"

# ---- the Debian package, built from this build folder
if ! command -v cpack >/dev/null || ! command -v dpkg-shlibdeps >/dev/null || ! command -v lintian >/dev/null; then
  note "SKIP the .deb: cpack, dpkg-shlibdeps or lintian missing"
  exit 0
fi
# (packed with gzip here: the shipped package's xz takes half a minute and
# changes nothing the checks below look at)
( cd "$WORK" && cpack -G DEB -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip --config "$BUILD_DIR/CPackConfig.cmake" -B "$WORK/cpack" ) >"$WORK/cpack.log" 2>&1 ||
  fail "cpack: $(tail -n5 "$WORK/cpack.log")"
DEB=$(ls "$WORK"/package/deadeye-gulch_*.deb 2>/dev/null | head -n1)
[ -n "$DEB" ] || fail "cpack made no .deb: $(tail -n3 "$WORK/cpack.log")"
field() { dpkg-deb -f "$DEB" "$1"; }
[ "$(field Section)" = games ] && [ "$(field Priority)" = optional ] || fail "section/priority: $(field Section)/$(field Priority)"
depends=$(field Depends)
[[ "$depends" == *liballegro4.4* ]] || fail "no dependency on the Allegro 4 runtime: $depends"
[[ "$depends" =~ -dev|cmake|librsvg|imagemagick|sox ]] && fail "a build tool among the dependencies: $depends"
release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$ROOT/usr/share/metainfo/$APP_ID.metainfo.xml" | head -n1)
[ "$(field Version)" = "$release" ] || fail "package version $(field Version), newest metainfo release $release"
dpkg-deb --contents "$DEB" >"$WORK/contents.txt"
awk '$2 != "root/root"' "$WORK/contents.txt" | grep -q . && fail "files not owned by root: $(awk '$2 != "root/root"' "$WORK/contents.txt" | head -n3)"
# The package holds exactly what make install puts in.
awk '{print $6}' "$WORK/contents.txt" | sed 's|^\./|/|; s|/$||' | grep . | sort >"$WORK/deb-paths.txt"
(cd "$ROOT" && find . -mindepth 1 | sed 's|^\.||' | sort) >"$WORK/install-paths.txt"
diff -u "$WORK/install-paths.txt" "$WORK/deb-paths.txt" >"$WORK/paths.diff" || fail "the .deb and make install differ: $(head -n10 "$WORK/paths.diff")"
lintian --fail-on none -I --pedantic "$DEB" >"$WORK/lintian.txt" 2>&1
grep -E '^[EW]: ' "$WORK/lintian.txt" && fail "lintian has errors or warnings"
note "$(basename "$DEB"): $(stat -c %s "$DEB") bytes, Depends: $depends"
note "lintian: $(grep -cE '^[IP]: ' "$WORK/lintian.txt") informational notes, no errors or warnings"
