#!/bin/bash
# Takes the screenshots of the Windows installer in docs/windows-installer-*.png, as a person who
# installs over a running program meets it: the question to close the program, then each page.
# The installer runs under Wine on an Xvfb of its own, in the prefix of the run target beside the
# program it finds running, and is uninstalled again at the end. An installer page has no paint
# that the probe could wait for, so each shot waits until the screen has stopped changing.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh cmake ninja-build g++-mingw-w64-x86-64-posix \
    binutils-mingw-w64-x86-64 wine wine64 locales fonts-arphic-gbsn00lp fonts-wqy-microhei \
    nsis xvfb xauth xdotool imagemagick
cmake --preset windows -DMOLTRAVA_BUILD_TOOLS=ON >/dev/null
cmake --build --preset windows --target moltrava window_probe >/dev/null
(cd build/windows && cpack -G NSIS -B "$PWD/installer-shots" >/dev/null)
installer=$(ls build/windows/installer-shots/moltrava-*-win64.exe)
prefix=build/windows/wineprefix-display

source tools/xvfb-display.sh
# The prefix's server goes before the display it draws on.
trap 'cmake/wine-run.sh "$prefix" --stop >/dev/null 2>&1; kill $xvfb 2>/dev/null' EXIT
wine() { cmake/wine-run.sh "$prefix" "$@"; }
probe() { wine build/windows/tools/window_probe.exe "$@" >/dev/null; }
wine cmd.exe /c exit

# Saves the screen's box round the window probed last once two looks a quarter second apart agree.
shot() {
    local before="" now
    for _ in $(seq 80); do
        now=$(import -window root rgb:- | md5sum)
        [ "$now" = "$before" ] && break
        before=$now
        sleep 0.25
    done
    read -r left top width height _ < <(wine build/windows/tools/window_probe.exe '#32770' | tr -d '\r')
    import -window root png:- | convert - -crop "${width}x${height}+${left}+${top}" +repage \
        -define png:exclude-chunks=date,time "docs/windows-installer-$1.png"
    echo "docs/windows-installer-$1.png"
}

cmake --build --preset windows --target run >/dev/null 2>&1 &
probe Form1
wine "$installer" &
installing=$!
probe '#32770'
shot close-question
wine taskkill /IM moltrava.exe /F >/dev/null
probe --gone Form1
xdotool key Return # 重试
for page in welcome licence folder start-menu; do
    shot "$page"
    xdotool key Return
done
installed="$prefix/drive_c/Program Files/Moltrava"
for _ in $(seq 600); do [ -e "$installed/Uninstall.exe" ] && break; sleep 0.1; done
shot done
xdotool key Return
wait "$installing"
# The uninstaller hands its work to a copy of itself and ends at once.
wine 'C:\Program Files\Moltrava\Uninstall.exe' /S
for _ in $(seq 600); do [ -e "$installed" ] || break; sleep 0.1; done
