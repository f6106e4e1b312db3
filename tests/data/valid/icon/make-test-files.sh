#!/usr/bin/env bash
# Makes the icon and bitmap test files with tools outside the project: icotool (icoutils) and
# ImageMagick's convert. Valid files go beside this script; damaged ones, cut and patched from
# them, into ../../invalid/icon/. The files are committed; run this again only to remake them.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bad=$(cd "$here/../../invalid/icon" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# Source pictures: two colours, 16 colours, up to 256 colours, many colours, alpha, 256 pixels.
convert -size 16x16 xc:white -fill black -draw "rectangle 2,2 9,12" \
  -alpha on -channel A -fx "i<14?1:0" +channel -define png:color-type=6 two16.png
convert -size 32x32 -seed 1 plasma:fractal -colors 16 c16.png
convert -size 48x48 -seed 2 plasma:fractal -colors 200 c256.png
convert -size 15x15 -seed 3 plasma:fractal c24.png
convert -size 48x48 -seed 4 plasma:fractal -alpha set -channel A -fx "(i+j)/94" +channel c32.png
convert -size 256x256 gradient:red-blue -alpha set -channel A -fx "0.5+0.5*i/255" +channel big.png

# Icon files. icotool writes 0 as the width and height bytes of the 256-pixel PNG image.
icotool -c -o "$here/icotool-all.ico" -b 1 two16.png -b 4 c16.png -b 8 c256.png \
  -b 24 c24.png -b 32 c32.png -r big.png
icotool -c -o "$here/icotool-32-16.ico" -b 32 two16.png
convert c16.png c24.png c32.png big.png "$here/magick-32-png.ico"
convert c16.png -type Palette -colors 16 "$here/magick-4.ico"
convert c256.png -alpha off -type Palette "$here/magick-8.ico"

# Bitmap files, each with its pixels as R, G, B, A bytes (top row first) as ImageMagick reads them.
convert two16.png -alpha off -type bilevel -compress none BMP3:b1.bmp
convert c16.png -alpha off -type Palette -colors 16 -compress none BMP3:b4.bmp
convert c256.png -alpha off -type Palette -compress none BMP3:b8.bmp
convert c24.png -alpha off -define bmp:subtype=RGB565 BMP:b16-565.bmp
convert c24.png -alpha off -type TrueColor -compress none BMP3:b24.bmp
convert c32.png -compress none BMP:b32.bmp
for f in b1 b4 b8 b16-565 b24 b32; do
  cp $f.bmp "$here/$f.bmp"
  convert $f.bmp -depth 8 rgba:"$here/$f.rgba"
done

# Damaged icons.
ico="$here/icotool-all.ico"
patch() {  # patch FILE OFFSET HEXBYTES...
  local file=$1 offset=$2
  shift 2
  printf "$(printf '\\x%s' "$@")" | dd of="$file" bs=1 seek="$offset" conv=notrunc status=none
}
: > "$bad/empty.ico"
head -c 4 "$ico" > "$bad/short-header.ico"
head -c 40 "$ico" > "$bad/short-directory.ico"
size=$(stat -c %s "$ico")
head -c $((size - 100)) "$ico" > "$bad/short-png-image.ico"
head -c 300 "$ico" > "$bad/short-bitmap-image.ico"
cp "$ico" "$bad/count-65535.ico" && patch "$bad/count-65535.ico" 4 ff ff
cp "$ico" "$bad/offset-past-end.ico" && patch "$bad/offset-past-end.ico" 18 f0 ff ff ff
cp "$ico" "$bad/bitcount-65535.ico" && patch "$bad/bitcount-65535.ico" 6 ff ff
first=$(od -An -tu4 -j 18 -N 4 "$ico" | tr -d ' ')
patch "$bad/bitcount-65535.ico" $((first + 14)) ff ff
cp "$ico" "$bad/png-size-past-end.ico" && patch "$bad/png-size-past-end.ico" $((6 + 5 * 16 + 8)) 00 00 00 7f
cp "$ico" "$bad/png-size-4.ico" && patch "$bad/png-size-4.ico" $((6 + 5 * 16 + 8)) 04 00 00 00

# Damaged bitmaps.
head -c 100 b24.bmp > "$bad/short-pixels.bmp"
head -c 20 b24.bmp > "$bad/short-header.bmp"
cp b24.bmp "$bad/width-huge.bmp" && patch "$bad/width-huge.bmp" 18 ff ff ff 7f
cp b24.bmp "$bad/height-min.bmp" && patch "$bad/height-min.bmp" 22 00 00 00 80
cp b24.bmp "$bad/bitcount-7.bmp" && patch "$bad/bitcount-7.bmp" 28 07 00
cp b24.bmp "$bad/offset-past-end.bmp" && patch "$bad/offset-past-end.bmp" 10 00 00 00 f0
cp b24.bmp "$bad/header-size-huge.bmp" && patch "$bad/header-size-huge.bmp" 14 ff ff ff 0f
cp b8.bmp "$bad/rle8.bmp" && patch "$bad/rle8.bmp" 30 01 00 00 00
cp b8.bmp "$bad/palette-past-end.bmp" && head -c 600 b8.bmp > "$bad/palette-past-end.bmp"
echo "made the icon and bitmap test files"
