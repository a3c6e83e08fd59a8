#!/bin/sh
# Redraws every picture in this directory from its source.
#
#   morvane-32.xpm, morvane-16.xpm -> morvane-32.png, morvane-16.png, morvane.ico
#       Hand-made pixel maps of the program icon (the drawing in morvane.svg
#       fitted to each grid by hand, so both sizes stay crisp).
#   hand.xpm -> hand.png
#       Pixel map of the pointing-hand cursor; its hot spot is (0, 0).
#   banner.png
#       Lettered here from the Liberation fonts.
#
# morvane.svg is the scalable drawing of the icon; it is kept as a source and
# is not rendered by this script.
#
# Needs ImageMagick 6 (convert) and the Liberation fonts (fonts-liberation).
# Usage: sh draw.sh        (from any directory)
set -eu
cd "$(dirname "$0")"
FONTS=${LIBERATION_FONTS:-/usr/share/fonts/truetype/liberation}

# Icon PNGs: indexed colour at 4 bits per pixel (at most 16 colours), the
# transparent pixels being one fully transparent palette entry. -strip drops
# the timestamps so redrawing gives identical files.
for size in 32 16; do
    convert morvane-$size.xpm -strip -define png:bit-depth=4 PNG8:morvane-$size.png
done

# Windows icon holding both sizes, for the resource script: kept colour-mapped
# so each entry is a 4-bit bitmap with a 1-bit transparency mask.
convert morvane-32.png morvane-16.png -type PaletteMatte morvane.ico

# Cursor: black, white and transparent only, colour-mapped at 2 bits per pixel.
convert hand.xpm -strip -define png:bit-depth=2 PNG8:hand.png

# Banner, 290x31, 24-bit RGB: "Morvane" in three colour groups on pale yellow.
# Each group is lettered on its own transparent strip with a common baseline,
# cropped to its ink left and right, and the strips are joined with a small
# gap; the word is then trimmed to its ink and centred.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
group() { # font pointsize colour text out
    convert -size 300x60 xc:none -font "$FONTS/$1.ttf" -pointsize "$2" \
        -fill "$3" -annotate +20+46 "$4" "$5"
    box=$(convert "$5" -format '%@' info:)          # WxH+X+Y of the ink
    width=${box%%x*}
    left=$(echo "$box" | cut -d+ -f2)
    convert "$5" -crop "${width}x60+${left}+0" +repage "$5"
}
group LiberationSerif-Bold         38 'rgb(255,51,0)'   Mor "$tmp/1.png"
group LiberationSansNarrow-Regular 38 'rgb(51,204,255)' va  "$tmp/2.png"
group LiberationSerif-Bold         38 'rgb(0,153,51)'   ne  "$tmp/3.png"
convert "$tmp/1.png" -size 2x60 xc:none "$tmp/2.png" -size 2x60 xc:none "$tmp/3.png" \
    +append -trim +repage "$tmp/word.png"
convert -size 290x31 xc:'rgb(255,255,153)' "$tmp/word.png" \
    -gravity center -composite -strip -type TrueColor PNG24:banner.png
