#!/bin/bash
# Redraws the committed animal pictures and icons in assets/ from Debian's emoji font.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh fonts-noto-color-emoji
cmake --preset default -DMOLTRAVA_BUILD_TOOLS=ON >/dev/null
cmake --build --preset default --target make_pictures
QT_QPA_PLATFORM=offscreen build/default/tools/make_pictures assets
