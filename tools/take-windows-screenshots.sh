#!/bin/bash
# Takes the screenshots of the Windows program in docs/windows-*.png: the program runs under Wine
# on an Xvfb of its own, in a prefix of its own that draws on that display. Wine draws the
# window frames itself there, so no window manager is needed. xdotool clicks and types as a
# person would; tools/window_probe_win.cpp, run under Wine beside the program, waits until each
# window is painted and tells where it is on the screen.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh cmake ninja-build g++-mingw-w64-x86-64-posix \
    binutils-mingw-w64-x86-64 wine wine64 locales fonts-arphic-gbsn00lp fonts-wqy-microhei \
    xvfb xauth xdotool imagemagick
cmake --preset windows -DMOLTRAVA_BUILD_TOOLS=ON >/dev/null
cmake --build --preset windows --target moltrava window_probe >/dev/null
# The prefix that the run target draws with.
prefix=build/windows/wineprefix-display

source tools/xvfb-display.sh
# The prefix's server goes before the display it draws on.
trap 'cmake/wine-run.sh "$prefix" --stop >/dev/null 2>&1; kill $xvfb 2>/dev/null' EXIT

# Made once before the program starts (about 10 s), so that the waits below wait for windows.
cmake/wine-run.sh "$prefix" cmd.exe /c exit
cmake --build --preset windows --target run >/dev/null &
program=$!

# Waits until a window of the class is painted (and, with an ID and a text, until that control
# shows the text); sets its frame (left top width height) and the corner of its client area.
probe() {
    read -r left top width height client_x client_y < <(
        cmake/wine-run.sh "$prefix" build/windows/tools/window_probe.exe "$@" | tr -d '\r')
}
gone() { cmake/wine-run.sh "$prefix" build/windows/tools/window_probe.exe --gone "$1"; }
# Clicks at a point of the main window's client area, in pixels (button 1 or 3).
click() { xdotool mousemove "$((main_x + $1))" "$((main_y + $2))" click "$3"; }
# The pointer leaves the windows, and with it any tooltip.
away() {
    xdotool mousemove 0 0
    gone tooltips_class32
}
# Saves the screen's box (left top width height) as docs/NAME.png.
mkdir -p docs
shot() {
    import -window root png:- | convert - -crop "$4x$5+$2+$3" +repage \
        -define png:exclude-chunks=date,time "docs/$1.png" # the same pixels, the same file
    echo "docs/$1.png"
}
# Saves the box that holds both the main window and the window probed last.
shot_over_main() {
    local right=$((left + width > main_right ? left + width : main_right))
    local bottom=$((top + height > main_bottom ? top + height : main_bottom))
    local x=$((left < main_left ? left : main_left)) y=$((top < main_top ? top : main_top))
    shot "$1" "$x" "$y" "$((right - x))" "$((bottom - y))"
}

probe Form1
main_x=$client_x main_y=$client_y
main_left=$left main_top=$top main_right=$((left + width)) main_bottom=$((top + height))
# Each control's centre in the client area comes from its box in ui/main/form1_layout.h.
click 225 58 1 # 出生年
click 288 138 1 # the entry
xdotool type --delay 50 1984
click 107 272 1 # 确定
away
probe Form1 111 鼠 # Picture1 is named after the picture it shows
shot windows-main-window "$left" "$top" "$width" "$height"

# The popup menu, over the window's bare background; the shot takes in both.
open_menu() {
    click 30 290 3
    probe '#32768'
}
# The same menu from the keyboard, at the focused button 确定.
xdotool key shift+F10
probe '#32768'
shot_over_main windows-keyboard-menu
xdotool key Escape
gone '#32768'

open_menu
shot_over_main windows-popup-menu

# Each dialog, chosen from the menu with the keyboard.
xdotool key Down Return
probe fAbout
shot windows-about-program "$left" "$top" "$width" "$height"
xdotool key Escape
gone fAbout

open_menu
xdotool key Down Down Return
probe Form2
shot windows-about-author "$left" "$top" "$width" "$height"
xdotool key alt+F4
gone Form2

# The notice about the planned feature, the menu's last item.
open_menu
xdotool key Down Down Down Return
probe '#32770'
shot_over_main windows-plan-notice
xdotool key Return
gone '#32770'

# The close question over the main window; No keeps the program, Yes ends it.
xdotool key Escape
probe '#32770'
shot_over_main windows-close-question
xdotool key n
gone '#32770'
probe Form1
xdotool key Escape
probe '#32770'
xdotool key y
gone Form1
wait "$program"
