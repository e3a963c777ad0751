#!/usr/bin/env bash
# Runs every built fuzz target for a bounded time from its seed corpus. Arguments: the build folder
# and the seconds per target. A finding (crash, leak, sanitizer report) fails the run.
set -euo pipefail
build="$1"
seconds="${2:-60}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
shopt -s nullglob
for target in "$build"/fuzz/*Fuzzer; do
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
