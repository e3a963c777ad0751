#!/usr/bin/env bash
# Sets up a Debian machine and runs every test: the whole suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the tests that exercise threads under ThreadSanitizer.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
cd "$VELTIS_ROOT"

bash scripts/setup.sh

echo "== dev: ASan + UBSan, all tests"
cmake --preset dev
cmake --build --preset dev
ctest --preset dev

echo "== tsan: ThreadSanitizer, tests labelled 'threads'"
cmake --preset tsan
cmake --build --preset tsan
ctest --preset tsan

if ls fuzz/*Fuzzer.cpp >/dev/null 2>&1; then
  echo "== fuzz: libFuzzer targets, bounded time each"
  cmake --preset fuzz
  cmake --build --preset fuzz
  bash scripts/fuzz.sh build/fuzz "${VELTIS_FUZZ_SECONDS:-60}"
fi
