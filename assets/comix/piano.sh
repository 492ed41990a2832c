#!/usr/bin/env bash
# A honky-tonk piano lick from the saloon: plucked notes, each doubled a
# little out of tune the way a saloon upright is.
set -euo pipefail
t=$(mktemp -d)
trap 'rm -rf "$t"' EXIT
f="-r 22050 -c 1 -b 16"
notes=(C5 E5 G5 A5 G5 E5 F5 A5 C6 A5 G5 E5 C5 G4 C5)
lens=(0.17 0.17 0.17 0.17 0.17 0.17 0.17 0.17 0.17 0.17 0.17 0.17 0.25 0.25 0.7)
list=()
for i in "${!notes[@]}"; do
  n=${notes[$i]}; l=${lens[$i]}
  sox -n $f "$t/x$i.wav" synth "$l" pluck "$n" fade 0 "$l" 0.03 gain -6
  sox -n $f "$t/y$i.wav" synth "$l" pluck "$n" gain -8 pitch 14 fade 0 "$l" 0.03
  sox -m "$t/x$i.wav" "$t/y$i.wav" "$t/n$i.wav"
  list+=("$t/n$i.wav")
done
sox "${list[@]}" $f "$1" gain -n -2
