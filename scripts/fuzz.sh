#!/usr/bin/env bash
# Runs every built fuzz target from its seed corpus, sharing one time budget among them so that new
# targets do not lengthen the run. Arguments: the build folder and the budget in seconds (300 by
# default); each target gets budget / targets seconds, but at least VELTIS_FUZZ_MIN_SECONDS (15).
# Targets run side by side, one per core (VELTIS_FUZZ_JOBS to change it), so the run takes about
# budget / cores. A finding (crash, leak, sanitizer report) fails the run.
set -euo pipefail
build="$1"
budget="${2:-300}"
floor="${VELTIS_FUZZ_MIN_SECONDS:-15}"
jobs="${VELTIS_FUZZ_JOBS:-$(nproc)}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
shopt -s nullglob
targets=("$build"/fuzz/*Fuzzer)
[ ${#targets[@]} -gt 0 ] || { echo "fuzz: no targets in $build/fuzz"; exit 1; }
seconds=$((budget / ${#targets[@]}))
[ "$seconds" -ge "$floor" ] || seconds="$floor"
[ "$jobs" -ge 1 ] || jobs=1

# Prints its report in one piece when it ends, so that the reports of targets running side by side do
# not interleave; a target that found a fault keeps its folder with the log and the input.
run_target() {
  local target="$1" name corpus work
  name="$(basename "$target")"
  corpus="$root/fuzz/corpus/$name"
  work="$(mktemp -d)"
  local seeds=()
  [ -d "$corpus" ] && seeds=("$corpus")
  if "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
      -artifact_prefix="$work/" "$work" "${seeds[@]}" > "$work/log" 2>&1; then
    { echo "fuzz: $name for ${seconds}s"; grep -E "stat::number_of_executed_units" "$work/log" || true; }
    rm -rf "$work"
  else
    { echo "fuzz: $name for ${seconds}s"; tail -60 "$work/log"; echo "fuzz: $name found a fault (see $work)"; }
    return 1
  fi
}

running=0
failed=0
for target in "${targets[@]}"; do
  if [ "$running" -ge "$jobs" ]; then
    wait -n || failed=1
    running=$((running - 1))
  fi
  run_target "$target" &
  running=$((running + 1))
done
while [ "$running" -gt 0 ]; do
  wait -n || failed=1
  running=$((running - 1))
done
[ "$failed" -eq 0 ] || { echo "fuzz: a target found a fault"; exit 1; }
