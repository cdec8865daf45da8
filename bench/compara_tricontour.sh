#!/usr/bin/env bash
# Contouring time of Curvado_calcula1 beside matplotlib's tricontour on the same triangles and levels, in one run:
# builds the benchmark (Release), runs it writing its models to a temporary folder, then times tricontour on them.
# Needs Debian's python3-matplotlib. Usage: bench/compara_tricontour.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-bench}
python=
for p in python3 /usr/bin/python3; do
  if command -v "$p" >/dev/null && "$p" -c 'import matplotlib, numpy' 2>/dev/null; then python=$p; break; fi
done
[ -n "$python" ] || { echo "matplotlib is missing: apt-get install python3-matplotlib" >&2; exit 1; }
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DTRILAT_BUILD_TESTS=OFF -DTRILAT_BUILD_HOSTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target trilat_bench_curvado >/dev/null
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
TRILAT_BENCH_TIN="$tmp" "$build/bench/trilat_bench_curvado" --benchmark_out="$tmp/curvado.json" \
  --benchmark_out_format=json
"$python" bench/tricontour_reference.py "$tmp" "$tmp/curvado.json"
