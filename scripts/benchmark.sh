#!/usr/bin/env bash
# Builds the Windows preset and runs the benchmarks under Wine: the profile engine
# against the platform's INI functions.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target profile_benchmark
scripts/wine-run.sh build/windows/profile_benchmark.exe
