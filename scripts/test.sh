#!/usr/bin/env bash
# Installs what is needed, builds the library, the host and the tests, and runs every test.
# With --sanitize the build uses AddressSanitizer and UndefinedBehaviorSanitizer (in its own build folder).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
dir=build-test
flags=(-DCMAKE_BUILD_TYPE=Release)
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-sanitize
  flags=(-DCMAKE_BUILD_TYPE=Debug -DTRILAT_SANITIZE=ON -DTRILAT_BUILD_BENCH=OFF)
fi
cmake -S . -B "$dir" "${flags[@]}" -DTRILAT_WERROR=ON
cmake --build "$dir" -j"$(nproc)"
ctest --test-dir "$dir" --output-on-failure -j"$(nproc)"
