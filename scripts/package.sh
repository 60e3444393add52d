#!/usr/bin/env bash
# Builds the product, the 32-bit exe, and writes dist/FS9SkylinerConfig-VERSION.zip holding
# the exe and the users' ReadMe.txt (docs/ReadMe.txt with Windows line ends); prints the
# zip's SHA-256. Two builds of one commit give the same zip byte for byte: the exe carries
# no time stamp, and the archive holds its files in name order, dated with the commit, with
# fixed permissions and no extra fields.
set -euo pipefail
export LC_ALL=C  # file names sorted byte by byte
cd "$(dirname "$0")/.."
scripts/setup.sh zip

version=$(sed -n 's/^project(SkylinerConfig VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "CMakeLists.txt: no VERSION in project()" >&2; exit 1; }
cmake --preset windows >/dev/null
cmake --build --preset windows --target FS9SkylinerConfig

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp build/windows/FS9SkylinerConfig.exe "$stage/"
sed 's/\r*$/\r/' docs/ReadMe.txt >"$stage/ReadMe.txt"
# Zip keeps local times: in UTC, every file carries the commit's date wherever it is built.
export TZ=UTC
stamp=$(date -d "@${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}" +%Y%m%d%H%M.%S)
chmod 0644 "$stage"/*
touch -t "$stamp" "$stage"/*

zip=dist/FS9SkylinerConfig-$version.zip
mkdir -p dist
rm -f "$zip"
# -X leaves out the extra fields (owner, precise times), -j the folders.
zip -X -j -9 -q "$zip" "$stage"/*
sha256sum "$zip"
