#!/usr/bin/env bash
# A bandit's shot: the same kind of gun heard from the doorways, so softer at
# the top, with more echo down the street and a lower, rounder boom.
. ./_fx.sh
out=$1
fx_layer crack synth 0.025 whitenoise gain -15 bandpass 2400 1800 fade 0 0.025 0.022 gain -8
fx_layer body synth 0.5 brownnoise gain -15 highpass 50 lowpass 1500 fade l 0 0.5 0.49 gain 6
fx_layer boom synth 0.28 sine 90/32 gain -15 fade l 0 0.28 0.27 gain -2
sox -q -m "$FX_TMP/crack.wav" "$FX_TMP/body.wav" "$FX_TMP/boom.wav" "$FX_TMP/shot.wav"
sox -q "$FX_TMP/shot.wav" "$FX_TMP/wet.wav" lowpass 2200 pad 0 0.45 echo 0.85 0.75 140 0.4 260 0.25 390 0.12 reverb 40 50 60 highpass 40
sox -q "$FX_TMP/wet.wav" "$FX_TMP/loud.wav" compand 0.002,0.2 -70,-70,-30,-20,0,-8 0 -70 0
fx_finish "$out" -3 "$FX_TMP/loud.wav"
