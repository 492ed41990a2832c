#!/usr/bin/env bash
# A bandit's death cry: a comic "yee-OWW!" -- a buzzy voice that jumps up and
# falls away, its vowel sliding from "ee" to "ow", with a wobble at the end.
. ./_fx.sh
out=$1
len=0.62
# the voice: a sawtooth with a pitch contour (up a fifth, then a long fall)
fx_layer voice synth $len sawtooth 300 gain -15 synth $len sine amod 6 8 \
  bend 0.01,900,0.08 0.05,-1700,0.33
# "ee": low first formant, high second
sox -q "$FX_TMP/voice.wav" "$FX_TMP/ee.wav" equalizer 320 2q +14 equalizer 2400 3q +14 lowpass 3800 \
  fade t 0 $len 0.48
# "ow": both formants low
sox -q "$FX_TMP/voice.wav" "$FX_TMP/ow.wav" equalizer 650 1.5q +14 equalizer 1000 2q +10 lowpass 2200 \
  fade t 0.12 $len 0.25
sox -q -m "$FX_TMP/ee.wav" "$FX_TMP/ow.wav" "$FX_TMP/cry.wav" fade q 0.01 $len 0.2
fx_finish "$out" -1.5 "$FX_TMP/cry.wav"
