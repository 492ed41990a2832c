# Instruments for the title tune (sourced, not an output): each *_bar
# function renders one bar of 4/4 at 120 beats a minute into the scratch
# directory, once per distinct bar, and prints the file's name.  Every note
# has an exact length in samples, a 2 ms fade in and a fade out inside its
# slot, so bars join end to end without clicks.
set -euo pipefail
RATE=44100
BEAT=0.5
F="-r $RATE -c 1 -e floating-point -b 32"
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT

# Chord tables: bass root and fifth, a guitar voicing, a banjo voicing.
declare -A ROOT=([Am]=A2 [G]=G2 [F]=F2 [E]=E2 [C]=C3)
declare -A FIFTH=([Am]=E2 [G]=D2 [F]=C3 [E]=B2 [C]=G2)
declare -A GUITAR=([Am]="A3 C4 E4 A4" [G]="G3 B3 D4 G4" [F]="F3 A3 C4 F4" [E]="E3 G#3 B3 E4" [C]="G3 C4 E4 G4")
declare -A BANJO=([Am]="A4 C5 E5 A5" [G]="G4 B4 D5 G5" [F]="F4 A4 C5 F5" [E]="E4 G#4 B4 E5" [C]="C5 E5 G5 C6")

secs() { awk -v b="$1" -v t="$BEAT" 'BEGIN { printf "%.4f", b * t }'; }
bars_len() { awk -v n="$1" -v t="$BEAT" 'BEGIN { printf "%.4f", n * 4 * t }'; }
key() { printf '%s' "$*" | tr -c 'A-Za-z0-9.\n' '_'; }

# rest BEATS: silence
rest() {
  local f="$T/rest_$(key "$1").wav"
  [ -e "$f" ] || sox -q -n $F "$f" trim 0 "$(secs "$1")"
  echo "$f"
}

# join OUT FILES...: files end to end
join() {
  local out=$1; shift
  [ -e "$out" ] || sox -q "$@" "$out"
  echo "$out"
}

# track NAME BARS...: the whole part of one instrument
track() {
  local name=$1; shift
  sox -q "$@" "$T/$name.wav"
}

pluck() {  # pluck NOTE BEATS RELEASE EFFECTS...: a plucked string
  local n=$1 b=$2 rel=$3; shift 3
  local f="$T/pl_$(key "$n $b $rel $*").wav" l
  l=$(secs "$b")
  [ -e "$f" ] || sox -q -n $F "$f" synth "$l" pluck "$n" "$@" fade h 0.002 "$l" "$rel"
  echo "$f"
}

# The bass: root for two beats, fifth for two, round and low.
bass_bar() {
  local a b
  a=$(pluck "${ROOT[$1]}" 2 0.12 lowpass 900 gain 2)
  b=$(pluck "${FIFTH[$1]}" 2 0.12 lowpass 900 gain 2)
  join "$T/bass_$1.wav" "$a" "$b"
}

# The guitar's chick on beats 2 and 4: the voicing strummed downwards.
strum() {
  local f="$T/strum_$1.wav"
  if [ ! -e "$f" ]; then
    local parts=() k=0 n s
    for n in ${GUITAR[$1]}; do
      s="$T/str_$1_$k.wav"
      sox -q -n $F "$s" synth 0.5 pluck "$n" fade h 0.002 0.5 0.3 pad "$(awk -v k=$k 'BEGIN{printf "%.3f", k*0.014}')" trim 0 0.5
      parts+=("$s"); k=$((k + 1))
    done
    sox -q -m "${parts[@]}" "$f" highpass 220 fade h 0 0.5 0.3
  fi
  echo "$f"
}
chick_bar() {
  local r s
  r=$(rest 1); s=$(strum "$1")
  join "$T/chick_$1.wav" "$r" "$s" "$r" "$s"
}

# The banjo rolls eighths through the chord in the vamp and the chorus.
banjo_bar() {
  if [ "$2" -ge 2 ] && [ "$2" -lt 10 ]; then rest 4; return; fi
  local v=(${BANJO[$1]}) notes=() k
  for k in 0 1 2 3 2 1 0 2; do
    notes+=("$(pluck "${v[$k]}" 0.5 0.06 highpass 300)")
  done
  join "$T/banjo_$1.wav" "${notes[@]}"
}

# Hoofbeats: a clip and a clop every beat, a trot.
hoof() {  # hoof NAME FREQ GAIN
  local f="$T/hoof_$1.wav"
  if [ ! -e "$f" ]; then
    sox -q -n $F "$T/h1.wav" synth 0.06 sine "$2" fade h 0.001 0.06 0.055
    sox -q -n $F "$T/h2.wav" synth 0.06 brownnoise fade h 0.001 0.06 0.05 bandpass "$2" 400 gain 6
    sox -q -m "$T/h1.wav" "$T/h2.wav" "$f" gain "$3" pad 0 0.19
  fi
  echo "$f"
}
hoof_bar() {
  local a b
  a=$(hoof clip 1150 0); b=$(hoof clop 820 -4)
  join "$T/hoofs.wav" "$a" "$b" "$a" "$b" "$a" "$b" "$a" "$b"
}

# The whistle: a sine with a little vibrato and tremolo, soft attack.
whistle() {  # whistle NOTE BEATS
  local f="$T/wh_$(key "$1 $2").wav" l
  l=$(secs "$2")
  [ -e "$f" ] || sox -q -n $F "$f" synth "$l" sine 5.5 synth "$l" sine fmod "$1" \
    tremolo 5.5 12 fade h 0.03 "$l" 0.07
  echo "$f"
}
whistle_bar() {
  local parts=() tok n b
  for tok in $1; do
    n=${tok%%:*}; b=${tok##*:}
    if [ "$n" = R ]; then parts+=("$(rest "$b")"); else parts+=("$(whistle "$n" "$b")"); fi
  done
  sox -q "${parts[@]}" "$T/wbar_$(key "$1").wav"
  echo "$T/wbar_$(key "$1").wav"
}
