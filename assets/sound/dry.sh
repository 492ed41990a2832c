#!/usr/bin/env bash
# The hammer falling on an empty chamber: one hard, small metallic click and
# a quicker little bounce, no powder and no echo.
. ./_fx.sh
out=$1
# the strike: a couple of milliseconds of bright noise
fx_layer snap synth 0.004 whitenoise gain -15 highpass 3000 fade 0 0.004 0.003 gain -1
# steel ringing briefly: three close, inharmonic partials dying fast
fx_layer p1 synth 0.1 sine 2870 gain -15 fade t 0 0.1 0.1 fade t 0 0.1 0.1 fade t 0 0.1 0.1 gain -3
fx_layer p2 synth 0.07 sine 4410 gain -15 fade t 0 0.07 0.07 fade t 0 0.07 0.07 fade t 0 0.07 0.07 gain -6
fx_layer p3 synth 0.045 sine 6930 gain -15 fade t 0 0.045 0.045 fade t 0 0.045 0.045 gain -10
# the frame taking the blow: a dull knock under the ring
fx_layer knock synth 0.025 sine 820 gain -15 fade l 0 0.025 0.024 gain -7
fx_layer grit synth 0.015 pinknoise gain -15 bandpass 1600 900 fade l 0 0.015 0.014 gain -8
sox -q -m "$FX_TMP/snap.wav" "$FX_TMP/p1.wav" "$FX_TMP/p2.wav" "$FX_TMP/p3.wav" \
  "$FX_TMP/knock.wav" "$FX_TMP/grit.wav" "$FX_TMP/hit.wav"
# the hammer bouncing once off the frame, much softer
sox -q "$FX_TMP/hit.wav" "$FX_TMP/bounce.wav" trim 0 0.02 fade 0 0.02 0.015 gain -14 pad 0.011 0
fx_finish "$out" -1 "$FX_TMP/hit.wav" "$FX_TMP/bounce.wav"
