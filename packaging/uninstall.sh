#!/bin/sh
# Removes what `make install` put in: every file listed in the manifest given
# as $1, then the folders it leaves empty, up to but not including the
# prefix's standard ones (share, lib, games, share/man...), which the system
# keeps even when empty.
set -eu
manifest=$1
[ -f "$manifest" ] || { echo "nothing to uninstall: no $manifest (make install first)" >&2; exit 1; }
# The prefix (with DESTDIR) is where the launcher's games/ folder is.
root=$(sed -n 's|^\(.*\)/games/deadeye-gulch$|\1|p' "$manifest" | head -n1)
[ -n "$root" ] || { echo "$manifest does not list the launcher: not a manifest of this game" >&2; exit 1; }
keep="$root $root/share $root/lib $root/games $root/share/man"
while IFS= read -r f || [ -n "$f" ]; do
  [ -n "$f" ] || continue
  rm -f -- "$f"
  d=$(dirname -- "$f")
  while [ -d "$d" ] && [ "${d#"$root"/}" != "$d" ]; do
    case " $keep " in *" $d "*) break ;; esac
    rmdir -- "$d" 2>/dev/null || break
    d=$(dirname -- "$d")
  done
done <"$manifest"
rm -f -- "$manifest"
echo "removed the files listed in $manifest"
