#!/usr/bin/env bash
# Sets up a Debian machine and runs the main job: builds the product module (StereoTessaline.so) and
# the command-line host optimised, renders a generated test signal through the module with a few
# bands set, and prints the meters and where the output went. Short on purpose: it is a smoke check.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
cd "$VELTIS_ROOT"

bash scripts/setup.sh

cmake --preset release
cmake --build --preset release --target StereoTessaline aaxhost testsignal

out=build/release/run
mkdir -p "$out"
build/release/tools/testsignal "$out/testsignal.wav" 3

echo
echo "Rendering $out/testsignal.wav through the module with the stand-in host:"
build/release/tools/aaxhost render "$out/testsignal.wav" "$out/rendered.wav" \
  --set "Band 1 Active (L)=1" --set "Band 1 Active (R)=1" --set "Gain 1 (L)=9" --set "Gain 1 (R)=9" \
  --set "High Active (L)=1" --set "High Active (R)=1" --set "High Gain (L)=-12" --set "High Gain (R)=-12" \
  --set "Post (L)=-3" --set "Post (R)=-3" \
  --save-chunk "$out/state.chunk"
echo
echo "The rendered file is $out/rendered.wav; the state after the render is $out/state.chunk."
echo "build/release/tools/aaxhost describe lists every parameter; --help lists the options."
