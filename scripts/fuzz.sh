#!/usr/bin/env bash
# Builds a fuzz target with clang and libFuzzer (Debian: clang, libclang-rt-14-dev) and
# runs it for the given number of seconds (60 by default): the engine's ("profile", the
# default, seeds in fuzz/corpus) or the flight plan import's ("flightplan", seeds in
# fuzz/corpus-flightplan), each on its seeds plus what earlier runs found (kept in
# build/fuzz/corpus and build/fuzz/flightplan-corpus).
# Not part of the test command; see docs/reliability.md for the long run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
target=${2:-profile}
command -v clang++ >/dev/null || { echo "clang++ is missing: apt-get install clang libclang-rt-14-dev" >&2; exit 1; }
engine="src/platform/AnsiCodePage.cpp src/platform/FileReplacement.cpp src/platform/FileStatus.cpp
  src/platform/IntegerText.cpp src/platform/Profile.cpp"
case $target in
  profile) sources="fuzz/ProfileFuzzer.cpp $engine"; seeds=fuzz/corpus; found=corpus ;;
  flightplan)
    sources="fuzz/FlightPlanFuzzer.cpp $engine src/aircraft/Variants.cpp src/loadmgr/PayloadTotals.cpp
      $(ls src/flightplan/*.cpp | grep -v PlannerImport)"
    seeds=fuzz/corpus-flightplan; found=flightplan-corpus ;;
  *) echo "unknown fuzz target $target: profile or flightplan" >&2; exit 1 ;;
esac
mkdir -p "build/fuzz/$found"
# shellcheck disable=SC2086
clang++ -std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -Isrc -Itests/core -o "build/fuzz/${target}_fuzzer" $sources
cd build/fuzz
exec "./${target}_fuzzer" -max_total_time="$seconds" -print_final_stats=1 -max_len=4096 \
  -artifact_prefix=./ "$found" "../../$seeds"
