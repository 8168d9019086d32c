#!/usr/bin/env bash
# Builds the benchmarks in a release build and runs them all.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DPX_BUILD_TESTS=OFF -DPX_BUILD_BENCH=ON >/dev/null
cmake --build build-release -j"$(nproc)" --target run-benchmarks
