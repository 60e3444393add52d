#!/usr/bin/env bash
# Builds the engine's fuzz target with clang and libFuzzer (Debian: clang,
# libclang-rt-14-dev) and runs it for the given number of seconds (60 by default), on
# the seed corpus in fuzz/corpus plus what earlier runs found (kept in build/fuzz).
# Not part of the test command; see docs/reliability.md for the long run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
command -v clang++ >/dev/null || { echo "clang++ is missing: apt-get install clang libclang-rt-14-dev" >&2; exit 1; }
mkdir -p build/fuzz/corpus
clang++ -std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -Isrc -Itests/core -o build/fuzz/profile_fuzzer fuzz/ProfileFuzzer.cpp \
  src/platform/AnsiCodePage.cpp src/platform/FileReplacement.cpp src/platform/FileStatus.cpp \
  src/platform/IntegerText.cpp src/platform/Profile.cpp
cd build/fuzz
exec ./profile_fuzzer -max_total_time="$seconds" -print_final_stats=1 -max_len=4096 \
  -artifact_prefix=./ corpus ../../fuzz/corpus
