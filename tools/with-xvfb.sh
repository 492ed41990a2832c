#!/usr/bin/env bash
# Runs a command with a private Xvfb server as its X display, and stops the
# server afterwards.  Usage: with-xvfb.sh command [args...]
set -uo pipefail
fd_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1024x768x24}" -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null; wait $xvfb_pid 2>/dev/null; rm -f "$fd_file"' EXIT
for _ in $(seq 100); do
  [ -s "$fd_file" ] && break
  sleep 0.1
done
if [ ! -s "$fd_file" ]; then
  echo "with-xvfb: Xvfb did not start" >&2
  exit 1
fi
export DISPLAY=":$(head -n1 "$fd_file")"
"$@"
