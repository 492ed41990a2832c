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
pulse_rate=44100    # the sink's, which is the game's: no resampling between
private_pulse_start() {
  local dir=$1
  pulse_pid=""; pulse_log="$dir/pulse.log"; reference_pid=""
  command -v pulseaudio >/dev/null && command -v pactl >/dev/null || return 0
  mkdir -p -m 700 "$dir/run" "$dir/home"
  export XDG_RUNTIME_DIR="$dir/run" HOME="$dir/home" PULSE_SERVER="unix:$dir/run/native"
  pulseaudio -n --daemonize=no --use-pid-file=no --exit-idle-time=-1 \
    --log-target="file:$pulse_log" --log-level=debug --log-time=1 \
    -L "module-null-sink sink_name=bench rate=$pulse_rate" \
    -L "module-native-protocol-unix socket=$dir/run/native auth-anonymous=1" &
  pulse_pid=$!
  for _ in $(seq 100); do pactl info >/dev/null 2>&1 && return 0; sleep 0.1; done
  kill "$pulse_pid" 2>/dev/null; pulse_pid=""
}
private_pulse_stop() {
  [ -n "${reference_pid:-}" ] && kill "$reference_pid" 2>/dev/null && wait "$reference_pid" 2>/dev/null; reference_pid=""
  [ -n "${pulse_pid:-}" ] && kill "$pulse_pid" 2>/dev/null && wait "$pulse_pid" 2>/dev/null; pulse_pid=""; }
# The times the game's stream ran dry at the server, and its buffer latency now.
pulse_underruns() { grep -c "Implicit underrun of 'ALSA" "$pulse_log" 2>/dev/null || true; }
# A reference stream beside the game's: PulseAudio's own pacat plays silence
# into the same server with the buffer and request size the game's stream
# asked for (its first "Requested" line in the log).  When the server or the
# machine stalls, both run dry together; an underrun the reference does not
# share is the game's own.  Sets reference_pid, or leaves it empty when there
# is no server, no pacat or no game stream within 5 s.
reference_stream_start() {
  [ -n "${pulse_pid:-}" ] && command -v pacat >/dev/null || return 0
  local asked=""
  for _ in $(seq 50); do
    asked=$(awk '/Requested tlength=/ { sub(/.*tlength=/, ""); sub(/ms, minreq=/, ""); print $1, $2; exit }' "$pulse_log")
    [ -n "$asked" ] && break; sleep 0.1
  done
  [ -n "$asked" ] || return 0
  local bytes frame=4   # s16le stereo, as the game plays
  read -r -a bytes <<< "$(echo "$asked" | awk -v r="$pulse_rate" '{ printf "%d %d", $1 * r / 1000 + 0.5, $2 * r / 1000 + 0.5 }')"
  pacat --playback --raw --format=s16le --rate="$pulse_rate" --channels=2 --stream-name=reference \
    --latency=$((bytes[0] * frame)) --process-time=$((bytes[1] * frame)) /dev/zero 2>/dev/null &
  reference_pid=$!
}
# The reference stream's underruns, and how many of the game's fell within
# 0.1 s of one of them (the server's log times are its own clock's).
reference_report() {
  awk '/Implicit underrun of / { t = substr($0, 2) + 0
         if (index($0, "of '"'"'reference")) ref[++r] = t; else if (index($0, "of '"'"'ALSA")) game[++g] = t }
       END { for (i = 1; i <= g; i++) for (j = 1; j <= r; j++) if (game[i] - ref[j] < 0.1 && ref[j] - game[i] < 0.1) { both++; break }
             printf "soak: a reference stream of the same buffer (pacat, silence, same server) ran dry %d times; %d of the game'"'"'s %d underruns came within 0.1 s of one of those\n", r, both, g }' "$pulse_log"
}
pulse_latency() { pactl list sink-inputs 2>/dev/null | awk '/Buffer Latency/ {print $3 / 1000 " ms"; exit}'; }
