#!/usr/bin/env bash
# The player's revolver: a sharp crack, a chesty boom and a short slap back
# off the false fronts across the street.
. ./_fx.sh
out=$1
# crack: a few milliseconds of bright noise
fx_layer crack synth 0.03 whitenoise gain -15 highpass 1800 fade 0 0.03 0.028 gain -2
# body: noise falling off fast, darker as it goes
fx_layer body synth 0.45 brownnoise gain -15 highpass 50 lowpass 2600 fade l 0 0.45 0.44 gain 6
fx_layer body2 synth 0.25 pinknoise gain -15 bandpass 900 600 fade l 0 0.25 0.24 gain 2
# boom: a low sine dropping in pitch
fx_layer boom synth 0.22 sine 110/38 gain -15 fade l 0 0.22 0.21 gain -3
sox -q -m "$FX_TMP/crack.wav" "$FX_TMP/body.wav" "$FX_TMP/body2.wav" "$FX_TMP/boom.wav" "$FX_TMP/shot.wav"
# street slap-back and a little room
sox -q "$FX_TMP/shot.wav" "$FX_TMP/wet.wav" pad 0 0.35 echo 0.9 0.7 90 0.35 160 0.2 reverb 25 50 40
sox -q "$FX_TMP/wet.wav" "$FX_TMP/loud.wav" compand 0.002,0.15 -70,-70,-30,-18,0,-6 0 -70 0
fx_finish "$out" -1 "$FX_TMP/loud.wav"
