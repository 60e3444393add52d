#!/usr/bin/env bash
# Regenerates the launcher banners, the Configuration dialog's header, the aircraft selector
# tiles and the application icon in src/res from the SVGs in src/res/images. The results are
# committed, so building never needs any of these tools; rerun this only after editing an
# SVG, and commit both.
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

render() { # svg name -> $work/name.png at the size the SVG declares
  rsvg-convert "$images/$1.svg" -o "$work/$1.png"
}

# BMP3: plain 40-byte BITMAPINFOHEADER; the V5 header ImageMagick writes by default trips
# old resource compilers. Uncompressed, because for 8-bit it would pick RLE8 on its own.
# Alpha is flattened away: LoadBitmapA has no use for it.
to_bmp24() { # name output
  convert "$work/$1.png" -background white -alpha remove -alpha off -type TrueColor -compress None "BMP3:$res/$2"
}
to_bmp8() { # name output
  convert "$work/$1.png" -background white -alpha remove -alpha off \
    -dither None -colors 256 -type Palette -compress None "BMP3:$res/$2"
}

# Refuses to leave behind a file that LoadBitmapA would read differently than intended.
check_bmp() { # file width height bits
  local file=$res/$1
  read -r header_size width height planes bits compression < <(
    od -An -v -t u4 -j 14 -N 12 "$file" | tr '\n' ' '
    od -An -v -t u2 -j 26 -N 4 "$file" | tr '\n' ' '
    od -An -v -t u4 -j 30 -N 4 "$file"
  )
  if [ "$header_size $width $height $planes $bits $compression" != "40 $2 $3 1 $4 0" ]; then
    echo "$file: header $header_size, ${width}x$height, $planes plane(s), $bits bpp," \
         "compression $compression; wanted 40, $2x$3, 1, $4, 0" >&2
    exit 1
  fi
}

banner() { # svg name, output, bits
  render "$1"
  if [ "$3" = 8 ]; then to_bmp8 "$1" "$2"; else to_bmp24 "$1" "$2"; fi
  check_bmp "$2" 450 69 "$3"
}
banner banner-configuration Configuration.bmp 24
banner banner-load-manager  LoadManager.bmp   24
banner banner-fuel-planner  FuelPlanner.bmp   24
banner banner-key-config    KeyConfig.bmp     8

render header-configuration
to_bmp24 header-configuration ConfigurationHeader.bmp
check_bmp ConfigurationHeader.bmp 638 100 24

for designator in A318 A319 A320 A321 ACJ; do
  name=select-${designator,,}
  render "$name"
  to_bmp24 "$name" "Select$designator.bmp"
  check_bmp "Select$designator.bmp" 200 65 24
done

# The load manager: its header, and per variant a top view over which the cabin bars lie
# and a side view for the hold bars; the A320's two are of their own sizes.
render lm-header
to_bmp24 lm-header LoadManagerHeader.bmp
check_bmp LoadManagerHeader.bmp 638 100 24
for designator in A318 A319 A320 A321 ACJ; do
  for view in cabin hold; do
    name=lm-${designator,,}-$view
    output=$designator${view^}.bmp
    render "$name"
    to_bmp24 "$name" "$output"
    case $output in
      A320Cabin.bmp) check_bmp "$output" 571 76 24 ;;
      A320Hold.bmp) check_bmp "$output" 573 99 24 ;;
      *) check_bmp "$output" 568 118 24 ;;
    esac
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
