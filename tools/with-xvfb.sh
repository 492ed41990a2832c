#!/usr/bin/env bash
# Runs a command with a private Xvfb server as its X display (XVFB_SCREEN,
# default 1024x768x24), and stops the server afterwards; the command finds
# the server's process id in XVFB_PID.  Usage: with-xvfb.sh command [args...]
#
# The display number is drawn at random rather than the lowest free one, so
# that servers started and stopped side by side never take over a number
# whose last server is still going away.
set -uo pipefail
xvfb_pid=""
trap '[ -n "$xvfb_pid" ] && kill $xvfb_pid 2>/dev/null; wait $xvfb_pid 2>/dev/null' EXIT
for _ in $(seq 20); do
  n=$((100 + RANDOM % 900))
  [ -e "/tmp/.X$n-lock" ] && continue
  Xvfb ":$n" -screen 0 "${XVFB_SCREEN:-1024x768x24}" -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    xdpyinfo -display ":$n" >/dev/null 2>&1 && break
    kill -0 $xvfb_pid 2>/dev/null || break
    sleep 0.1
  done
  if xdpyinfo -display ":$n" >/dev/null 2>&1; then
    export DISPLAY=":$n" XVFB_PID=$xvfb_pid
    "$@"
    exit $?
  fi
  kill $xvfb_pid 2>/dev/null; wait $xvfb_pid 2>/dev/null; xvfb_pid=""
done
echo "with-xvfb: Xvfb did not start" >&2
exit 1
