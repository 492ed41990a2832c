#!/usr/bin/env bash
# A cartridge going into the cylinder: the brass slides home with a scrape,
# clicks, and the cylinder ratchets round one chamber.
. ./_fx.sh
out=$1
# slide: a short scrape of bright noise
fx_layer slide synth 0.05 whitenoise gain -15 bandpass 4200 1500 fade q 0.005 0.05 0.03 gain -10
# seat: a hard metallic tick, two ringing partials dying fast
fx_layer tick1 synth 0.05 sine 3150 gain -15 fade l 0 0.05 0.048 gain -6
fx_layer tick2 synth 0.05 sine 5230 gain -15 fade l 0 0.05 0.045 gain -9
fx_layer tickn synth 0.008 whitenoise gain -15 highpass 2500 fade 0 0.008 0.007 gain -3
sox -q -m "$FX_TMP/tick1.wav" "$FX_TMP/tick2.wav" "$FX_TMP/tickn.wav" "$FX_TMP/tick.wav"
# ratchet: the cylinder turning, a smaller, duller double click
fx_layer r1 synth 0.03 sine 2400 gain -15 fade l 0 0.03 0.028 gain -5
fx_layer rn synth 0.006 whitenoise gain -15 bandpass 2000 1200 fade 0 0.006 0.005 gain -6
sox -q -m "$FX_TMP/r1.wav" "$FX_TMP/rn.wav" "$FX_TMP/r.wav"
sox -q "$FX_TMP/slide.wav" "$FX_TMP/tick.wav" "$FX_TMP/seq1.wav" splice -q 0.045,0.004
sox -q "$FX_TMP/r.wav" "$FX_TMP/r2.wav" pad 0.11 0
sox -q "$FX_TMP/r.wav" "$FX_TMP/r3.wav" pad 0.15 0 gain -2
sox -q -m "$FX_TMP/seq1.wav" "$FX_TMP/r2.wav" "$FX_TMP/r3.wav" "$FX_TMP/all.wav" reverb 10 50 10
fx_finish "$out" -1 "$FX_TMP/all.wav"
