#!/usr/bin/env bash
# Installs what is needed, builds trilat and runs the main job on the bundled sample survey.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTRILAT_BUILD_TESTS=OFF -DTRILAT_BUILD_BENCH=OFF
cmake --build build -j"$(nproc)" --target trilat_cli
build/hosts/cli/trilat demo --out "${1:-trilat-demo}"
