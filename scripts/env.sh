# Sourced by the other scripts: the repository root, parallelism and a compiler cache that a fresh
# clone in another folder still hits.
VELTIS_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export CCACHE_BASEDIR="$VELTIS_ROOT"
export CCACHE_NOHASHDIR=1
JOBS="$(nproc)"
export CMAKE_BUILD_PARALLEL_LEVEL="$JOBS"
export CTEST_PARALLEL_LEVEL="$JOBS"
