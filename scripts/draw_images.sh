#!/bin/sh
# Draws the pictures the program shows: the golf picture of the splash
# screen and the two logos. Needs ImageMagick; the resulting .gif files are
# committed, so building the program does not.
#
#   scripts/draw_images.sh            writes into assets/images/
set -eu

out="$(cd "$(dirname "$0")/.." && pwd)/assets/images"
mkdir -p "$out"

# The fonts the program itself asks for, where this machine has them.
font_or_default() {
    for candidate in "$@"; do
        if [ -f "$candidate" ]; then
            echo "$candidate"
            return
        fi
    done
    echo "DejaVu-Sans-Bold"
}
SERIF_BOLD=$(font_or_default /usr/share/fonts/truetype/liberation/LiberationSerif-Bold.ttf)
COMIC_BOLD=$(font_or_default /usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf \
    /usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf)

# A putting green with the flag in, a ball near the hole, a bunker and trees
# under a summer sky.
convert -size 240x180 gradient:'#5a9fe0'-'#dff0ff' \
    -fill '#2e6b2a' -draw 'ellipse 30,92 40,18 0,360' -draw 'ellipse 95,88 48,20 0,360' \
    -draw 'ellipse 175,90 45,17 0,360' -draw 'ellipse 230,94 30,14 0,360' \
    -fill '#3f8f34' -draw 'rectangle 0,94 240,180' \
    -fill '#4fa83f' -draw 'ellipse 120,180 170,62 180,360' \
    -fill '#74c95c' -draw 'ellipse 126,138 82,26 0,360' \
    -fill '#8fd874' -draw 'ellipse 120,134 60,16 0,360' \
    -fill '#e8d49a' -stroke '#c9b06a' -draw 'ellipse 38,150 26,9 0,360' -stroke none \
    -fill '#1c1c1c' -draw 'ellipse 134,136 6,2 0,360' \
    -stroke '#f4f4f4' -strokewidth 2 -draw 'line 134,136 134,58' -stroke none \
    -fill '#d81e1e' -draw 'polygon 135,58 170,67 135,76' \
    -fill '#ffffff' -stroke '#b8b8b8' -draw 'circle 104,146 104,151' -stroke none \
    -fill '#ffffff' -draw 'circle 58,36 58,46' -draw 'circle 72,34 72,46' \
    -draw 'circle 86,38 86,46' -draw 'rectangle 58,38 86,46' \
    -colors 64 "$out/kw6182.gif"

# The main logo: a dimpled ball on a tee inside a green ring, with the
# initials of the log.
convert -size 120x120 xc:white \
    -fill '#1f6b2e' -draw 'circle 60,60 60,4' \
    -fill white -draw 'circle 60,60 60,12' \
    -fill '#1f6b2e' -draw 'polygon 54,82 66,82 62,96 58,96' -draw 'rectangle 58,96 62,104' \
    -fill white -stroke '#1f6b2e' -strokewidth 2 -draw 'circle 60,60 60,83' -stroke none \
    -fill '#c9d9c9' -draw 'circle 50,44 50,46' -draw 'circle 60,41 60,43' \
    -draw 'circle 70,44 70,46' -draw 'circle 42,56 42,58' -draw 'circle 78,56 78,58' \
    -draw 'circle 44,70 44,72' -draw 'circle 76,70 76,72' -draw 'circle 52,78 52,80' \
    -draw 'circle 68,78 68,80' \
    -font "$SERIF_BOLD" -pointsize 22 -fill '#1f6b2e' -gravity center -annotate +0+2 'PL' \
    -colors 32 "$out/kw-logo01.gif"

# The small banner of the game entry screen: a flag on a green beside the
# product name.
convert -size 220x56 xc:white \
    -fill '#74c95c' -draw 'ellipse 26,46 22,7 0,360' \
    -fill '#1c1c1c' -draw 'ellipse 28,45 3,1 0,360' \
    -stroke '#555555' -strokewidth 2 -draw 'line 28,45 28,8' -stroke none \
    -fill '#d81e1e' -draw 'polygon 29,8 46,13 29,18' \
    -font "$COMIC_BOLD" -pointsize 20 -fill '#1f6b2e' -gravity west -annotate +54+0 "The Parlow's Log" \
    -colors 32 "$out/kw-logo02.gif"

echo "Pictures written to $out"
