#!/bin/bash
# Checks the current commit on a fresh root of one Debian release: the test command as CI runs it,
# then the run command on a display of the root's own, where this year's sign and its picture must
# appear after Enter. It downloads a release and builds everything, so it is not part of the test
# command. Usage: check-on-debian.sh bookworm|trixie [WORK_FOLDER]   (as root)
set -euo pipefail
suite=${1:-}
case "$suite" in
    bookworm | trixie) ;;
    *) echo "usage: $0 bookworm|trixie [WORK_FOLDER]" >&2; exit 2 ;;
esac
tree=$(cd "$(dirname "$0")/.." && pwd)
work=$(realpath -m "${2:-$tree/build/debian-$suite}")
root=$work/root checkout=/srv/moltrava
mirror=http://deb.debian.org/debian

bash "$tree/scripts/install-deps.sh" mmdebstrap
# A root left by an earlier run goes first, but never while anything is still mounted in it.
if grep -q " $root/" /proc/mounts; then
    echo "Something is still mounted under $root; unmount it first." >&2
    exit 1
fi
rm -rf "$root"
mkdir -p "$work"

mounted=()
finish() {
    # Whatever still runs in the root (a display, a Wine server) ends before its mounts go.
    inside_root() {
        for process in /proc/[0-9]*; do
            if [ "$(readlink "$process/root" 2>/dev/null)" = "$root" ]; then echo "${process#/proc/}"; fi
        done
    }
    for _ in $(seq 100); do
        processes=$(inside_root)
        [ -z "$processes" ] && break
        kill -9 $processes 2>/dev/null
        sleep 0.1
    done
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount "${mounted[i]}" || umount -l "${mounted[i]}"; done
}
trap finish EXIT

echo "== a fresh Debian $suite root in $root"
mmdebstrap --variant=apt "$suite" "$root" "deb $mirror $suite main" \
    "deb $mirror $suite-updates main" "deb http://deb.debian.org/debian-security $suite-security main"
cp -L /etc/resolv.conf "$root/etc/resolv.conf"
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d" # no services start in it
chmod +x "$root/usr/sbin/policy-rc.d"
for folder in /proc /sys /dev /dev/pts /dev/shm; do
    mount --bind "$folder" "$root$folder"
    mounted+=("$root$folder")
done
git clone -q "$tree" "$root$checkout"
git -C "$root$checkout" checkout -q --detach "$(git -C "$tree" rev-parse HEAD)"
echo "Checked out $(git -C "$root$checkout" log -1 --format='%h %s')"

# As root, with CI's bare environment. The packages come first, from the network; the commands
# then run without it, in a network of their own, so that their X displays (abstract sockets) do
# not meet the host's.
inside() {
    "${around[@]}" chroot "$root" /usr/bin/env -i HOME=/root CI=true \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin bash -c "cd $checkout && $1"
}
around=()
inside "bash scripts/install-deps.sh test"
around=(unshare --net sh -c 'ip link set lo up && exec "$@"' sh)

echo "== the test command"
if inside "bash .ci/run" 2>&1 | tee "$work/test.log"; then tests=passed; else tests=failed; fi

echo "== the run command"
# The program starts through the README's command, accessible, as a screen reader asks; Enter
# queries the age 0, and this year's sign must appear with its picture, drawn on the screen.
cat >"$root/tmp/run-check.py" <<'PYTHON'
import contextlib, os, subprocess, sys, time
import pyatspi
from gi.repository import Atspi, GLib
from PIL import Image
from Xlib import X, display

sign = "猴鸡狗猪鼠牛虎兔龙蛇马羊"[time.localtime().tm_year % 12]
command = subprocess.Popen(["bash", "scripts/run.sh"], env=os.environ | {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"})

def wait(condition, what, limit=600):
    deadline = time.monotonic() + limit
    while time.monotonic() < deadline:
        with contextlib.suppress(GLib.Error):
            if value := condition():
                return value
        time.sleep(0.5)
    sys.exit(f"timed out waiting for {what}")

def xdo(*args): return subprocess.run(["xdotool", *args], capture_output=True, text=True).stdout.strip()
def focus(title):  # by name from a list, as xdotool's --name fails for Chinese titles; no window manager
    found = wait(lambda: next((w for w in xdo("search", "--onlyvisible", "--name", "").split()
                               if xdo("getwindowname", w) == title), None), f"the window {title}")
    xdo("windowfocus", "--sync", found)

def form1():  # with AT-SPI's cache off, as the names in it go stale
    for app in filter(None, pyatspi.Registry.getDesktop(0)):
        app.set_cache_mask(Atspi.Cache.NONE)
        if found := next((w for w in app if w and w.name.startswith("Moltrava1.2")), None):
            return found

main = wait(form1, "the main window on the accessibility bus")
focus(main.name); xdo("key", "Return")
def result():
    nodes = {n.getRole(): n for n in pyatspi.findAllDescendants(main, lambda n: n.name == sign)}
    return pyatspi.ROLE_LABEL in nodes and nodes.get(pyatspi.ROLE_IMAGE)
image = wait(result, f"the sign {sign} and its picture", 60).queryComponent()
x, y, width, height = image.getExtents(pyatspi.DESKTOP_COORDS)
picture = Image.open(f"assets/生肖图片/{sign}1.jpg")
shot = display.Display().screen().root.get_image(x, y, width, height, X.ZPixmap, 0xFFFFFFFF)
colours = len(set(Image.frombytes("RGB", (width, height), shot.data, "raw", "BGRX").getdata()))
print(f"{sign}: a picture of {width}x{height} on the screen, {colours} colours; the file is {picture.size}")
assert 0 <= width - picture.width <= 8 and 0 <= height - picture.height <= 8 and colours > 100
focus(main.name); xdo("key", "Escape"); focus("退出"); xdo("key", "y")
sys.exit(command.wait(60))
PYTHON
if inside "xvfb-run -a -s '-screen 0 1280x1024x24' dbus-run-session -- python3 /tmp/run-check.py"; then
    run=passed
else
    run=failed
fi
echo "debian $suite: test command $tests, run command $run"
[ "$tests" = passed ] && [ "$run" = passed ]
