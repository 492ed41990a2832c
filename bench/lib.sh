# Shared by the benchmarks that drive the real program.  Source it.

# Waits for the game window of process $1, up to $2 tries of 50 ms (200);
# sets wid, or prints why there is none (the program's output in $3) and
# exits 1.
wait_for_window() {
  local pid=$1 tries=${2:-200} out=${3:-/dev/null}
  wid=""
  for _ in $(seq "$tries"); do
    wid=$(xdotool search --name "Deadeye Gulch" 2>/dev/null | head -n1) && [ -n "$wid" ] && return 0
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
  done
  echo "no window: $(cat "$out")"
  exit 1
}
