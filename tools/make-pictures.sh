#!/bin/bash
# Redraws the committed animal pictures and icons in assets/ from Debian's emoji font.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh fonts-noto-color-emoji icoutils
cmake --preset default -DMOLTRAVA_BUILD_TOOLS=ON >/dev/null
cmake --build --preset default --target make_pictures
QT_QPA_PLATFORM=offscreen build/default/tools/make_pictures assets
# The Windows icons hold every size, so that title bars, the task bar and dense screens get a
# sharp one.
cd assets/icons
icotool -c -o moltrava.ico moltrava-16.png moltrava-32.png moltrava-48.png moltrava-64.png \
    -r moltrava-128.png -r moltrava-256.png # stored as PNG, as Windows reads the large sizes
icotool -c -o author.ico author-32.png author-64.png
# The scalable icon is the same picture: the font's glyphs are bitmaps, so it holds the largest.
cd ../..
{
    echo '<?xml version="1.0" encoding="UTF-8"?>'
    echo '<!-- The program icon, made by tools/make-pictures.sh from assets/icons/moltrava-256.png. -->'
    echo '<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="256" height="256" viewBox="0 0 256 256">'
    echo "  <image width=\"256\" height=\"256\" xlink:href=\"data:image/png;base64,$(base64 -w0 assets/icons/moltrava-256.png)\"/>"
    echo '</svg>'
} >packaging/io.github.moltrava.Moltrava.svg
