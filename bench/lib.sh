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

# A PulseAudio server of the benchmark's own in folder $1 (no system service:
# a private runtime folder, a null sink, PULSE_SERVER at its socket), so that
# the game's sound goes Allegro's ALSA driver -> ALSA's default -> PulseAudio
# and the server's log tells when the game's stream ran dry.  Sets pulse_pid
# (empty when pulseaudio is not installed or did not start).
private_pulse_start() {
  local dir=$1
  pulse_pid=""; pulse_log="$dir/pulse.log"
  command -v pulseaudio >/dev/null && command -v pactl >/dev/null || return 0
  mkdir -p -m 700 "$dir/run" "$dir/home"
  export XDG_RUNTIME_DIR="$dir/run" HOME="$dir/home" PULSE_SERVER="unix:$dir/run/native"
  pulseaudio -n --daemonize=no --use-pid-file=no --exit-idle-time=-1 \
    --log-target="file:$pulse_log" --log-level=debug --log-time=1 \
    -L "module-null-sink sink_name=bench rate=44100" \
    -L "module-native-protocol-unix socket=$dir/run/native auth-anonymous=1" &
  pulse_pid=$!
  for _ in $(seq 100); do pactl info >/dev/null 2>&1 && return 0; sleep 0.1; done
  kill "$pulse_pid" 2>/dev/null; pulse_pid=""
}
private_pulse_stop() { [ -n "${pulse_pid:-}" ] && kill "$pulse_pid" 2>/dev/null && wait "$pulse_pid" 2>/dev/null; pulse_pid=""; }
# The times the game's stream ran dry at the server, and its buffer latency now.
pulse_underruns() { grep -c "Implicit underrun of 'ALSA" "$pulse_log" 2>/dev/null || true; }
pulse_latency() { pactl list sink-inputs 2>/dev/null | awk '/Buffer Latency/ {print $3 / 1000 " ms"; exit}'; }
