#!/usr/bin/env bash
# Sets up a Debian machine and runs every test: the whole suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the whole suite optimised as it ships, then the tests that exercise
# threads under ThreadSanitizer, then the fuzz targets for a shared time budget. Prints the wall time of
# each phase at the end.
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
# A test that skips itself leaves its suite's CTest entry passed: name it.
list_skipped() {
  local names
  names="$(sed -n 's/^\[  SKIPPED \] \([A-Za-z_][^ ]*\).*/  \1/p' "$1/Testing/Temporary/LastTest.log" 2>/dev/null |
    sort -u || true)"
  [ -z "$names" ] || printf 'Skipped tests:\n%s\n' "$names"
}
build() {
  cmake --preset "$1"
  cmake --build --preset "$1"
}

timed setup bash scripts/setup.sh

echo "== dev: ASan + UBSan, all tests"
timed "dev build" build dev
timed "dev tests" ctest --preset dev
list_skipped build/dev

# The optimised build costs as much as the dev build: on two cores it would take the run past its time
# budget, so by default it runs only where there are four cores or more (VELTIS_RELEASE_TESTS=1 or 0 to
# force it either way).
release_tests="${VELTIS_RELEASE_TESTS:-auto}"
if [ "$release_tests" = auto ]; then
  if [ "$JOBS" -ge 4 ]; then release_tests=1; else release_tests=0; fi
fi
if [ "$release_tests" = 1 ]; then
  echo "== release-tests: optimised build, all tests"
  timed "rel build" build release-tests
  timed "rel tests" ctest --preset release-tests
  list_skipped build/release-tests
else
  echo "== release-tests: skipped on $JOBS cores (VELTIS_RELEASE_TESTS=1 to run it)"
fi

echo "== tsan: ThreadSanitizer, tests labelled 'threads'"
timed "tsan build" build tsan
timed "tsan tests" ctest --preset tsan
list_skipped build/tsan

if ls fuzz/*Fuzzer.cpp >/dev/null 2>&1; then
  echo "== fuzz: libFuzzer targets sharing a time budget"
  timed "fuzz build" build fuzz
  timed "fuzz runs" bash scripts/fuzz.sh build/fuzz "${VELTIS_FUZZ_SECONDS:-300}"
fi
