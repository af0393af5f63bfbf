#!/bin/bash
# Takes the screenshots in docs/ from the real program under Xvfb, with a window manager so the
# title bars show. Usage: tools/take-screenshots.sh [scale]   (scale 2 for a high-density shot)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh run
bash scripts/install-deps.sh xvfb xauth openbox xdotool imagemagick x11-utils
cmake --preset default >/dev/null
cmake --build --preset default --target moltrava >/dev/null # before the display starts
scale="${1:-1}"
suffix=$([ "$scale" = 1 ] && echo "" || echo "@${scale}x")

source tools/xvfb-display.sh
openbox &
sleep 1
# In a process group of its own, so that the program goes with the build that started it.
QT_SCALE_FACTOR="$scale" setsid cmake --build --preset default --target run >/dev/null &
program=$!
trap 'kill -- -$program 2>/dev/null; kill $xvfb 2>/dev/null' EXIT

window=$(xdotool search --sync --onlyvisible --classname '^moltrava$' | head -n 1)
xdotool windowactivate --sync "$window"
sleep 0.5
# Choose the birth year, type 1984 and press Enter.
click() { xdotool mousemove --window "$window" "$(($1 * scale))" "$(($2 * scale))" click 1; }
click 215 60      # 出生年
click 285 138     # the entry
xdotool type --delay 50 1984
xdotool key Return
sleep 0.5
mkdir -p docs
shot() { import -window "$(xdotool getactivewindow)" -frame "docs/$1${suffix}.png"; echo "docs/$1${suffix}.png"; }
shot main-window

# The popup menu, over the window's background.
xdotool mousemove --window "$window" "$((30 * scale))" "$((290 * scale))" click 3
sleep 0.5
geometry=$(xdotool getwindowgeometry --shell "$window")
eval "$geometry"
import -window root -crop "$((WIDTH + 120 * scale))x$((HEIGHT + 110 * scale))+$((X - 10))+$((Y - 40))" \
    "docs/popup-menu${suffix}.png"
echo "docs/popup-menu${suffix}.png"
xdotool key Escape
sleep 0.3

# The same menu from the keyboard, at the focused button 确定.
xdotool key Tab shift+F10
sleep 0.5
import -window root -crop "$((WIDTH + 20 * scale))x$((HEIGHT + 50 * scale))+$((X - 10))+$((Y - 40))" \
    "docs/keyboard-menu${suffix}.png"
echo "docs/keyboard-menu${suffix}.png"
xdotool key Escape
sleep 0.3

# Each dialog, chosen from the menu with the keyboard.
open_item() {
    xdotool mousemove --window "$window" "$((30 * scale))" "$((290 * scale))" click 3
    sleep 0.4
    for _ in $(seq "$1"); do xdotool key Down; done
    xdotool key Return
    sleep 0.8
}
open_item 1
shot about-program
xdotool key Escape
sleep 0.3
open_item 2
shot about-author
xdotool key alt+F4
sleep 0.3
