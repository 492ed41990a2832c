#!/usr/bin/env bash
# The game heard through a real sound server: the test starts a PulseAudio
# server of its own (no system service, a private runtime folder, a null
# sink, PULSE_SERVER pointing at its socket), so the game's sound goes
# Allegro's ALSA driver -> ALSA's default device -> PulseAudio.  The sink's
# monitor is recorded with parec: the intro is heard, the quiet street before
# a shot is silent, and a click on it is heard; the server holds at most
# 25 ms of the stream.  Prints the stream's latency as the server reports it
# and the underruns it logged.  The server is
# stopped by its process id.
. "$E2E_LIB/common.sh"

for tool in pulseaudio parec pactl sox; do
  command -v "$tool" >/dev/null || fail "$tool is not installed (tools/install-deps.sh installs it)"
done

make_game_copy
PA_DIR="$WORK/pulse"; mkdir -m 700 "$PA_DIR" "$WORK/home"
PA_PID=""; REC_PID=""
stop_sound() {
  [ -n "$REC_PID" ] && kill "$REC_PID" 2>/dev/null && wait "$REC_PID" 2>/dev/null
  [ -n "$PA_PID" ] && kill "$PA_PID" 2>/dev/null && wait "$PA_PID" 2>/dev/null
  REC_PID=""; PA_PID=""
}
trap 'stop_sound; cleanup_game' EXIT

export XDG_RUNTIME_DIR="$PA_DIR" HOME="$WORK/home" PULSE_SERVER="unix:$PA_DIR/native"
pulseaudio -n --daemonize=no --use-pid-file=no --exit-idle-time=-1 \
  --log-target="file:$WORK/pulse.log" --log-level=debug \
  -L "module-null-sink sink_name=e2e rate=44100" \
  -L "module-native-protocol-unix socket=$PA_DIR/native auth-anonymous=1" &
PA_PID=$!
for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null 2>&1 || fail "the private PulseAudio server did not start: $(tail -n 5 "$WORK/pulse.log")"
note "PulseAudio runs as process $PA_PID"

# A quiet street (no door ever opens) and no music: after the intro only a
# shot makes a sound.
quiet_street lady.txt 50
printf 'GFX_MODE 1\nGFX_COLOR 32\nMUSIC_ON 0\n' > "$WORK/setup.cfg"

# The monitor as raw 16-bit stereo at 44100 Hz: a second is 176400 bytes,
# so the length of the file tells the time since the recording began.  The
# recording asks for 10 ms fragments: by default the server sends it in
# fragments of up to 2 s, and the file's length would lag the clock by that.
RATE=44100; BPS=$((RATE * 4))
parec -d e2e.monitor --raw --format=s16le --rate=$RATE --channels=2 --latency-msec=10 > "$WORK/rec.raw" &
REC_PID=$!
sleep 0.5
rec_now() { awk -v b="$(stat -c %s "$WORK/rec.raw")" -v bps=$BPS 'BEGIN{printf "%.3f", b / bps}'; }
# sox's statistics of the recording from $1 s for $2 s, after the effects
# that follow; and the RMS amplitude (0..1) among them.
rec_stat() {
  local from=$1 len=$2; shift 2
  sox -t raw -r $RATE -e signed -b 16 -c 2 "$WORK/rec.raw" -n trim "$from" "$len" "$@" stat 2>&1
}
rms() { rec_stat "$1" "$2" | awk '/RMS +amplitude/ {print $3}'; }

start_game
wait_window 20
t_intro=$(rec_now)
sleep 4
pactl list sink-inputs > "$WORK/inputs.txt"
grep -E "application.name|Buffer Latency|Sink Latency" "$WORK/inputs.txt" | sed 's/^[[:space:]]*/-- stream: /'
grep -q "Buffer Latency" "$WORK/inputs.txt" || fail "the game's sound never reached the server"
intro=$(rms "$t_intro" 4)
note "intro RMS $intro"
above "${intro:-0}" 0.005 || fail "the intro is not heard (RMS ${intro:-none})"

wait_menu 30
click_at $NEW_GAME_X $NEW_GAME_Y
wait_for 15 playing || fail "no play after New game"      # READY has gone
xdotool mousemove --window "$WID" 195 285; sleep 0.5
t_quiet=$(rec_now)
sleep 1
t_click=$(rec_now)
xdotool mousedown 1; sleep 0.1; xdotool mouseup 1
sleep 2.5
quiet=$(rms "$t_quiet" 0.9)
SHOT_WINDOW=0.6     # seconds after the press in which the shot must be heard
shot=$(rms "$t_click" $SHOT_WINDOW)
# When the shot begins after the press, as a figure: the window less what
# follows the first sound in it.
after=$(rec_stat "$t_click" $SHOT_WINDOW silence 1 0.002 2% | awk '/Length \(seconds\)/ {print $3}')
note "street RMS $quiet, after the click $shot; the shot is heard ${after:+$(awk -v w=$SHOT_WINDOW -v a="$after" 'BEGIN{printf "%.0f", (w - a) * 1000}') ms }after the press"
above 0.002 "${quiet:-1}" || fail "the street is not silent before the shot (RMS ${quiet:-none})"
above "${shot:-0}" 0.01 || fail "the shot is not heard (RMS ${shot:-none})"

# The most the server holds of the stream (a shot waits that long): the
# stream's target length, which the server sets to at least three periods.
held=$(awk '/Requested tlength=/ { sub(/.*tlength=/, ""); t = $1 + 0; if (t > most) most = t }
            END { print most + 0 }' "$WORK/pulse.log")
note "the server holds at most $held ms of the game's stream"
above "$held" 0 || fail "the server never reported the stream's length"
if above "$held" 25; then fail "the server holds $held ms of the game's stream, more than 25"; fi
underruns=$(grep -c "Implicit underrun of 'ALSA" "$WORK/pulse.log" || true)
note "times the game's stream ran dry at the server: $underruns"
press_key q
stop_sound
note "sound heard through PulseAudio"
