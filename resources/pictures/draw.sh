#!/bin/sh
# Redraws every picture in this directory from its source. Each picture the
# windows show has a second one at twice the size, drawn anew rather than
# blown up, for screens scaled to 200 % (Qt picks it by the device pixel ratio).
#
#   morvane-32.xpm, morvane-16.xpm -> morvane-32.png, morvane-16.png, morvane.ico
#       Hand-made pixel maps of the program icon (the drawing in morvane.svg
#       fitted to each grid by hand, so both sizes stay crisp).
#   morvane.svg -> morvane-64.png, morvane-192.png, morvane-512.png
#       The scalable drawing of the icon, rendered at 64x64 and reduced to
#       16 colours with a one-bit transparency mask like the small sizes; and
#       at 192 and 512 for the page's home-screen icons.
#   hand.xpm -> hand.png; hand.svg -> hand@2x.png
#       The pointing-hand cursor at 32x32 and 64x64; its hot spot is the
#       top-left corner (0, 0) in both.
#   banner.png, banner@2x.png
#       Lettered here from the Liberation fonts, at 290x31 and 580x62.
#
#   For the Windows program's resources, from the pictures above:
#   morvane.ico   the icon at 16 and 32 (16-colour bitmaps), 48 and 256 (PNG,
#                 rendered from morvane.svg like the 64 one) for Explorer;
#   hand.cur      the cursor at 32 and 64, hot spot (0, 0);
#   banner.bmp, banner@2x.bmp   the banners as 24-bit bitmaps.
#   windows_icons.py packs the icon and the cursor.
#
# Needs ImageMagick 6 (convert), rsvg-convert (librsvg2-bin) and the
# Liberation fonts (fonts-liberation).
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

# The large icons: rendered smooth, then every pixel made opaque or transparent
# and the colours reduced to at most 16, without dithering.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
large_icon() { # size out
    rsvg-convert -w "$1" -h "$1" morvane.svg -o "$tmp/icon.png"
    convert "$tmp/icon.png" -channel A -threshold 50% +channel -dither None -colors 16 \
        -strip -define png:bit-depth=4 PNG8:"$2"
}
large_icon 64 morvane-64.png
large_icon 192 morvane-192.png
large_icon 512 morvane-512.png
large_icon 48 "$tmp/morvane-48.png"
large_icon 256 "$tmp/morvane-256.png"

# Windows icon: the small sizes kept colour-mapped, so that each is a 4-bit bitmap
# with a 1-bit transparency mask, then the large ones for Explorer.
convert morvane-32.png morvane-16.png -type PaletteMatte "$tmp/small.ico"
python3 windows_icons.py ico morvane.ico "$tmp/small.ico#1" "$tmp/small.ico#0" \
    "$tmp/morvane-48.png" "$tmp/morvane-256.png"

# Cursors: black, white and transparent only, colour-mapped at 2 bits per pixel.
# The large one is drawn with crisp edges and every pixel then forced to
# black, white or transparent.
convert hand.xpm -strip -define png:bit-depth=2 PNG8:hand.png
rsvg-convert -w 64 -h 64 hand.svg -o "$tmp/hand.png"
convert "$tmp/hand.png" -channel A -threshold 50% +channel -channel RGB -threshold 50% +channel \
    -strip -define png:bit-depth=2 PNG8:hand@2x.png
python3 windows_icons.py cur hand.cur hand.png hand@2x.png

# Banner, 290x31, 24-bit RGB: "Morvane" in three colour groups on pale yellow.
# Each group is lettered on its own transparent strip with a common baseline,
# cropped to its ink left and right, and the strips are joined with a small
# gap; the word is then trimmed to its ink and centred.
# Everything is measured at the small size and multiplied by the scale, so the
# large banner is the small one lettered with twice as many pixels.
group() { # scale font colour text out
    convert -size $((300 * $1))x$((60 * $1)) xc:none -font "$FONTS/$2.ttf" -pointsize $((38 * $1)) \
        -fill "$3" -annotate +$((20 * $1))+$((46 * $1)) "$4" "$5"
    box=$(convert "$5" -format '%@' info:)          # WxH+X+Y of the ink
    width=${box%%x*}
    left=$(echo "$box" | cut -d+ -f2)
    convert "$5" -crop "${width}x$((60 * $1))+${left}+0" +repage "$5"
}
banner() { # scale out
    group "$1" LiberationSerif-Bold         'rgb(255,51,0)'   Mor "$tmp/1.png"
    group "$1" LiberationSansNarrow-Regular 'rgb(51,204,255)' va  "$tmp/2.png"
    group "$1" LiberationSerif-Bold         'rgb(0,153,51)'   ne  "$tmp/3.png"
    gap=$((2 * $1))x$((60 * $1))
    convert "$tmp/1.png" -size "$gap" xc:none "$tmp/2.png" -size "$gap" xc:none "$tmp/3.png" \
        +append -trim +repage "$tmp/word.png"
    convert -size $((290 * $1))x$((31 * $1)) xc:'rgb(255,255,153)' "$tmp/word.png" \
        -gravity center -composite -strip -type TrueColor PNG24:"$2"
}
banner 1 banner.png
banner 2 banner@2x.png
for banner in banner banner@2x; do
    convert "$banner.png" -strip -type TrueColor BMP3:"$banner.bmp"
done
