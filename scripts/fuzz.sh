#!/usr/bin/env bash
# Runs every built fuzz target from its seed corpus, sharing one time budget among them so that new
# targets do not lengthen the run. Arguments: the build folder and the budget in seconds (300 by
# default); each target gets budget / targets seconds, but at least VELTIS_FUZZ_MIN_SECONDS (15).
# A finding (crash, leak, sanitizer report) fails the run.
set -euo pipefail
build="$1"
budget="${2:-300}"
floor="${VELTIS_FUZZ_MIN_SECONDS:-15}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
shopt -s nullglob
targets=("$build"/fuzz/*Fuzzer)
[ ${#targets[@]} -gt 0 ] || { echo "fuzz: no targets in $build/fuzz"; exit 1; }
seconds=$((budget / ${#targets[@]}))
[ "$seconds" -ge "$floor" ] || seconds="$floor"
for target in "${targets[@]}"; do
  name="$(basename "$target")"
  corpus="$root/fuzz/corpus/$name"
  work="$(mktemp -d)"
  seeds=()
  [ -d "$corpus" ] && seeds=("$corpus")
  echo "fuzz: $name for ${seconds}s"
  "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
    -artifact_prefix="$work/" "$work" "${seeds[@]}" > "$work/log" 2>&1 || {
      tail -60 "$work/log"; echo "fuzz: $name found a fault"; exit 1; }
  grep -E "stat::number_of_executed_units" "$work/log" || true
  rm -rf "$work"
done
