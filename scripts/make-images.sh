#!/usr/bin/env bash
# Regenerates the launcher banners, the dialogs' headers, the aircraft selector tiles, the
# load manager's views and the application icon in src/res from the SVGs in src/res/images.
# The results are committed, so building never needs any of these tools; rerun this only
# after editing an SVG, and commit both.
set -euo pipefail
cd "$(dirname "$0")/.."
images=src/res/images
res=src/res

# Text is rendered from installed fonts, so the font package is as much an input as the SVGs.
packages=(librsvg2-bin imagemagick fonts-liberation)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Each picture twice: at the size its SVG declares, which fills its control at 96 dpi, and
# at twice that, which the program scales down for any larger screen scale. PNG, so that
# the second size costs little in the exe; opaque on white and without time stamps, so
# that a rerun changes no byte of an unchanged picture.
picture() { # svg name, output name, width, height
  local svg=$images/$1.svg
  rsvg-convert "$svg" -o "$work/$1.png"
  rsvg-convert -w $(($3 * 2)) -h $(($4 * 2)) "$svg" -o "$work/$1@2x.png"
  for scale in "" @2x; do
    convert "$work/$1$scale.png" -background white -alpha remove -alpha off -strip \
      -define png:exclude-chunks=date,time "PNG24:$res/$2$scale.png"
  done
  check_png "$2.png" "$3" "$4"
  check_png "$2@2x.png" $(($3 * 2)) $(($4 * 2))
}

# Refuses to leave behind a picture of another size than its control wants.
check_png() { # file width height
  local size
  size=$(identify -format '%wx%h' "$res/$1")
  if [ "$size" != "$2x$3" ]; then
    echo "$res/$1: ${size}, wanted $2x$3" >&2
    exit 1
  fi
}

# The launcher's button faces (the fuel planner's banner is its button's picture).
picture banner-configuration Configuration 453 65
picture banner-load-manager  LoadManager   453 65
picture banner-fuel-planner  FuelPlanner   453 65
picture banner-key-config    KeyConfig     453 65

picture header-configuration ConfigurationHeader 637 101

for designator in A318 A319 A320 A321 ACJ; do
  picture "select-${designator,,}" "Select$designator" 206 71
done

# The load manager: its header, and per variant a top view over which the cabin bars lie
# and a side view for the hold bars, each filling its 572 x 122 control.
picture lm-header LoadManagerHeader 594 82
for designator in A318 A319 A320 A321 ACJ; do
  for view in cabin hold; do
    picture "lm-${designator,,}-$view" "$designator${view^}" 572 122
  done
done

# 16 px has its own drawing on the pixel grid; every other size is the big drawing scaled.
rsvg-convert "$images/icon-16.svg" -o "$work/icon-16.png"
for size in 24 32 48 256; do
  rsvg-convert -w "$size" -h "$size" "$images/icon.svg" -o "$work/icon-$size.png"
done
python3 scripts/pack-ico.py "$res/Skyliner.ico" "$work"/icon-{16,24,32,48,256}.png
count=$(identify "$res/Skyliner.ico" | wc -l)
[ "$count" -eq 5 ] || { echo "$res/Skyliner.ico: $count images, wanted 5" >&2; exit 1; }

echo "Images written to $res"
