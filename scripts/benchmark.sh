#!/usr/bin/env bash
# Builds the Windows preset and runs the benchmarks under Wine: the profile engine
# against the platform's INI functions, then every dialog from creation to first paint
# against a bare one, on the demo installation, and the load manager's save on a scratch copy;
# then a flight plan import of the largest files a user would import.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
source scripts/wine-env.sh
cmake --preset "$windows_preset" >/dev/null
cmake --build --preset "$windows_preset" --target profile_benchmark dialog_benchmark import_benchmark
scripts/wine-run.sh "build/$windows_preset/profile_benchmark.exe"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp -r demo/FS9 "$scratch/"
windows_path() { echo "Z:$(realpath "$1" | tr / '\\')"; }
scripts/wine-run.sh "build/$windows_preset/dialog_benchmark.exe" "$(windows_path demo/FS9)" "$(windows_path "$scratch/FS9")"
scripts/wine-run.sh "build/$windows_preset/import_benchmark.exe" "$(windows_path demo)"
