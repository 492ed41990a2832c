# Shared pieces for the effect recipes (sourced, not an output).
# A scratch directory that disappears with the recipe, and the finishing
# step every effect goes through.
set -euo pipefail
FX_RATE=22050
FX_TMP=$(mktemp -d)
trap 'rm -rf "$FX_TMP"' EXIT

# fx_layer NAME SOX-EFFECTS...: a mono layer made from nothing (usually a
# synth effect first) in $FX_TMP/NAME.wav.  Layers are kept in floating point
# so that mixing and filtering never clip before the final level is set.
fx_layer() {
  local name=$1; shift
  sox -q -n -r "$FX_RATE" -c 1 -e floating-point -b 32 "$FX_TMP/$name.wav" "$@"
}

# fx_finish OUT PEAK_DB INPUT...: mixes the inputs, cuts any leading and
# trailing silence, and sets the peak to PEAK_DB dBFS (always below -0.5).
fx_finish() {
  local out=$1 peak=$2; shift 2
  local mixed="$FX_TMP/_mix.wav"
  if [ "$#" -gt 1 ]; then
    sox -q -m "$@" "$mixed"
  else
    cp "$1" "$mixed"
  fi
  sox -q "$mixed" "$FX_TMP/_trim.wav" silence 1 1 0.2% reverse silence 1 0.002 0.01% reverse
  sox -q "$FX_TMP/_trim.wav" -r "$FX_RATE" -c 1 -b 16 "$out" fade 0 -0 0.01 gain -n "$peak"
}
