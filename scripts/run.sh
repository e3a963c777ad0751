#!/usr/bin/env bash
# Sets up a Debian machine and runs the main job. The audio product does not exist yet: this builds
# the framework in its optimised form, says what it built and runs the benchmarks briefly.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
cd "$VELTIS_ROOT"

bash scripts/setup.sh

cmake --preset release
cmake --build --preset release

echo
echo "Built (optimised, build/release):"
find build/release -maxdepth 3 -type f \( -name '*.so' -o -name '*.a' -o -perm -u+x \) \
  ! -path '*/CMakeFiles/*' -printf '  %p\n' | sort
echo
echo "There is no audio product yet. Benchmarks of the framework (short runs; figures to keep, not limits):"
build/release/bench/veltis_bench --benchmark_min_time=0.05
