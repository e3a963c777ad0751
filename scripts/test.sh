#!/usr/bin/env bash
# Sets up a Debian machine and runs every test: the whole suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the tests that exercise threads under ThreadSanitizer, then the fuzz
# targets for a shared time budget. Prints the wall time of each phase at the end.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
cd "$VELTIS_ROOT"

phase_times=()
timed() {
  local name="$1" start=$SECONDS
  shift
  "$@"
  phase_times+=("$(printf '%-12s %5ds' "$name" $((SECONDS - start)))")
}
report_times() {
  echo "== wall time per phase"
  printf '  %s\n' "${phase_times[@]}"
  printf '  %-12s %5ds\n' total "$SECONDS"
}
trap report_times EXIT

timed setup bash scripts/setup.sh

echo "== dev: ASan + UBSan, all tests"
cmake --preset dev
timed "dev build" cmake --build --preset dev
timed "dev tests" ctest --preset dev

echo "== tsan: ThreadSanitizer, tests labelled 'threads'"
cmake --preset tsan
timed "tsan build" cmake --build --preset tsan
timed "tsan tests" ctest --preset tsan

if ls fuzz/*Fuzzer.cpp >/dev/null 2>&1; then
  echo "== fuzz: libFuzzer targets sharing a time budget"
  cmake --preset fuzz
  timed "fuzz build" cmake --build --preset fuzz
  timed "fuzz runs" bash scripts/fuzz.sh build/fuzz "${VELTIS_FUZZ_SECONDS:-300}"
fi
