#!/usr/bin/env bash
# Builds the Windows preset and runs the benchmarks under Wine: the profile engine
# against the platform's INI functions.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
source scripts/wine-env.sh
cmake --preset "$windows_preset" >/dev/null
cmake --build --preset "$windows_preset" --target profile_benchmark
scripts/wine-run.sh "build/$windows_preset/profile_benchmark.exe"
