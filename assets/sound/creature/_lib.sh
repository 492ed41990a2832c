# Shared sound pieces for the townsfolk and the Crow gang: sourced by the
# recipes in this folder, never rendered on its own.  Every piece starts at
# once (no leading silence) and the recipes finish with `finish`, which
# levels the peak to -1 dBFS.

set -euo pipefail
RATE=22050
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# gunshot OUT LOWPASS THUMP_HZ TAIL_S — a black-powder bang: a noise crack
# that dies away, a low thump under it and a short street echo.
gunshot() {
  local out=$1 lp=$2 thump=$3 tail=$4
  sox -n -r $RATE -c 1 "$WORK/crack.wav" synth "$tail" whitenoise gain -4 lowpass "$lp" highpass 120 \
      fade p 0.001 0 "$(echo "$tail - 0.01" | bc -l)"
  sox -n -r $RATE -c 1 "$WORK/thump.wav" synth 0.22 sine "$thump"-30 gain -4 fade p 0.001 0 0.2
  sox -m "$WORK/crack.wav" "$WORK/thump.wav" "$WORK/bang.wav"
  sox "$WORK/bang.wav" "$out" overdrive 8 pad 0 0.35 echo 0.8 0.6 90 0.3 190 0.15
}

# voice OUT DUR F0_START F0_END F1 F2 [EXTRA EFFECTS...] — a sung or shouted
# vowel: a buzzing source swept in pitch and shaped by two formants.
voice() {
  local out=$1 dur=$2 p0=$3 p1=$4 f1=$5 f2=$6
  shift 6
  sox -n -r $RATE -c 1 "$WORK/src.wav" synth "$dur" sawtooth "$p0"-"$p1" synth "$dur" square mix "$p0"-"$p1" gain -6
  sox "$WORK/src.wav" "$WORK/fa.wav" bandpass "$f1" 180h gain 6
  sox "$WORK/src.wav" "$WORK/fb.wav" bandpass "$f2" 260h gain 2
  local fo
  fo=$(echo "if ($dur / 2 < 0.08) $dur / 2 else 0.08" | bc -l)
  sox -m "$WORK/fa.wav" "$WORK/fb.wav" "$out" lowpass 4000 fade h 0.008 0 "$fo" "$@"
}

# thud OUT [DELAY_S] — a body meeting the boardwalk.
thud() {
  local out=$1 delay=${2:-0}
  sox -n -r $RATE -c 1 "$WORK/th1.wav" synth 0.3 sine 95-40 fade p 0.002 0 0.27
  sox -n -r $RATE -c 1 "$WORK/th2.wav" synth 0.12 brownnoise lowpass 600 fade p 0.002 0 0.1
  sox -m "$WORK/th1.wav" "$WORK/th2.wav" "$out" pad "$delay" 0
}

# clink OUT FREQ [DELAY_S] — glass or metal ringing briefly.
clink() {
  local out=$1 fr=$2 delay=${3:-0}
  sox -n -r $RATE -c 1 "$out" synth 0.35 sine "$fr" sine "$(echo "$fr * 2.76" | bc -l)" remix 1,2 \
      fade p 0.001 0 0.33 gain -8 pad "$delay" 0
}

# tap OUT [DELAY_S] — a wooden knock (a cane on the boards).
tap() {
  local out=$1 delay=${2:-0}
  sox -n -r $RATE -c 1 "$out" synth 0.08 pinknoise bandpass 900 300h fade p 0.001 0 0.07 gain 6 pad "$delay" 0
}

# whistle OUT DUR F_START F_END — a slide whistle.
whistle() {
  sox -n -r $RATE -c 1 "$1" synth "$2" sine "$3"-"$4" tremolo 11 20 fade h 0.01 0 0.05 gain -4
}

# join OUT IN... — the pieces one after another.
join() {
  local out=$1
  shift
  sox "$@" "$out"
}

# mix OUT IN... — the pieces on top of each other (each may carry its own pad).
mix() {
  local out=$1
  shift
  if [ $# -eq 1 ]; then cp "$1" "$out"; else sox -m "$@" "$out"; fi
}

# finish IN OUT — mono 16-bit at the game's rate, peak at -1 dBFS, no
# silence before the sound starts.
finish() {
  sox "$1" -r $RATE -c 1 -b 16 "$2" silence 1 0.001 0.1% gain -n -1
}
