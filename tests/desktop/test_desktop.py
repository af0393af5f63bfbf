# SPDX-License-Identifier: MIT
"""The program as a desktop and its users meet it: the installed tree, the Debian package, the files
it writes, twice the scale, a screen reader. Each case has an Xvfb display and session bus of its own."""
import base64, codecs, contextlib, gzip, io, os, re, subprocess, time
import xml.etree.ElementTree as ElementTree
from pathlib import Path

import pyatspi, pytest
from gi.repository import Atspi, GLib
from debian.copyright import Copyright
from PIL import Image, ImageChops, ImageStat
from Xlib import display, protocol

BUILD, SOURCE, PROGRAM = (Path(os.environ[v]) for v in ("MOLTRAVA_BUILD", "MOLTRAVA_SOURCE", "MOLTRAVA_PROGRAM"))
APP, ASSETS = "io.github.moltrava.Moltrava", SOURCE / "assets"
MAIN, ABOUT, AUTHOR, BOX = "Moltrava1.2    QQ:000000000", "关于 Moltrava V1.2", "关于作者", "Moltrava V1.2"
STRACE = ["strace", "-f", "-s", "4096", "-e", "trace=%file"]
# Roles as roles: their names differ between releases of AT-SPI ("push button", later "button").
BUTTON, RADIO, TEXT, LABEL, IMAGE = (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_TEXT,
                                     pyatspi.ROLE_LABEL, pyatspi.ROLE_IMAGE)
HEARD = {  # some of what a screen reader must reach in each window, by role and name; Form1 after 1984
    "start": {(RADIO, "年龄"), (TEXT, "请输入您的年龄"), (LABEL, "请输入您的年龄"), (LABEL, "无图片"), (BUTTON, "确定")},
    MAIN: {(RADIO, "出生年"), (TEXT, "请输入出生年份"), (LABEL, "鼠"), (IMAGE, "鼠"), (LABEL, "(阳历)"), (BUTTON, "退出")},
    ABOUT: {(BUTTON, "确定"), (BUTTON, "系统信息"), (IMAGE, "程序图标"), (LABEL, "版本 1.0.0"), (LABEL, "Moltrava V1.2")},
    AUTHOR: {(BUTTON, "百度博客"), (BUTTON, "主 页"), (LABEL, "QQ:000000000"), (LABEL, "E-mail:author@example.com")},
    "请重输": {(LABEL, "请输入小于等于150岁的数字！"), (BUTTON, "确定")}}
# Calls that open a file for writing, create, rename or remove one, or change its attributes.
WRITES = re.compile(r"^(creat|mkdir|mknod|rename|unlink|rmdir|link|symlink|truncate|f?ch(mod|own)|lchown|f?utime"
                    r"|\w*setxattr|\w*removexattr)|O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND|O_TMPFILE")


def run(*args, check=True, **kwargs):
    result = subprocess.run([str(a) for a in args], capture_output=True, text=True, **kwargs)
    assert result.returncode == 0 or not check, f"{args}:\n{result.stdout}{result.stderr}"
    return result.stdout + result.stderr


def xdo(*args): return run("xdotool", *args, check=False)
def keys(*names): xdo("key", "--delay", "100", *names)
def gone(title): wait(lambda: title not in titles(), f"{title!r} to close")
def geometry(w): return [int(v.split("=")[1]) for v in xdo("getwindowgeometry", "--shell", w).split()[1:5]]


def titles():  # compared here, as xdotool's own --name fails for Chinese titles
    return {xdo("getwindowname", w).strip(): w for w in xdo("search", "--onlyvisible", "--name", "").split()}


def wait(condition, what, every=0.1):
    deadline = time.monotonic() + 60
    while not (value := condition()) and time.monotonic() < deadline:
        time.sleep(every)
    return value or pytest.fail(f"timed out waiting for {what}")


def window(title):  # with no window manager, nothing else gives a new window the focus
    xdo("windowfocus", "--sync", found := wait(lambda: titles().get(title), f"the window {title!r}"))
    return found


def close(w):  # as a close box asks; Debian 12's xdotool cannot send WM_DELETE_WINDOW
    x = display.Display()  # the time 0 is now
    x.create_resource_object("window", int(w)).send_event(protocol.event.ClientMessage(window=int(w), data=(
        32, [x.intern_atom("WM_DELETE_WINDOW"), 0, 0, 0, 0]), client_type=x.intern_atom("WM_PROTOCOLS")))
    x.close()


def visit(process, scale=1, look=lambda title, w: None):
    """A person's way with keys and the mouse through a query, a refused age, every dialog and message, and the
    close question answered N, then Y. look(title, window) sees each window open, Form1 after the query."""
    main = window(MAIN); keys("Right", "Tab"); xdo("type", "--delay", "60", "1984"); keys("Return")
    look(MAIN, main); window(MAIN); keys("shift+Tab", "Left", "Tab"); xdo("type", "151"); keys("Return")
    look("请重输", window("请重输")); keys("Return"); gone("请重输")
    for item, title in enumerate((ABOUT, AUTHOR, BOX), 1):
        x, y, _, _ = geometry(window(MAIN))
        xdo("mousemove", x + 8 * scale, y + 300 * scale, "click", "3")  # on the bare background
        wait(lambda: "moltrava" in titles(), "the popup menu")
        keys(*["Down"] * item, "Return")
        look(title, dialog := window(title))
        if title == ABOUT:  # Linux has no registry to find the system information tool in
            keys("Tab", "Tab", "space"); look(BOX, window(BOX)); keys("Return"); gone(BOX); window(ABOUT)
        if title == AUTHOR:  # Qt 6.4 under Xvfb sometimes ignores a dialog's first close request
            wait(lambda: title not in titles() or close(dialog), "关于作者 to answer a close request", every=2)
        else:
            keys("Escape" if title == ABOUT else "Return")
        gone(title)
    for answer in "ny":
        window(MAIN); keys("Escape"); look("退出", window("退出")); keys(answer); gone("退出")
    return process.wait(60)


def traced(log, cwd):  # each call with the paths it names, which strace escapes beyond ASCII
    for line in Path(log).read_text().splitlines():
        paths = re.findall(r'"((?:[^"\\]|\\.)*)"', line := re.sub(r"^\d+ +", "", line))
        yield line, [os.path.normpath(cwd / codecs.escape_decode(p)[0].decode()) for p in paths]


def accessible(pid, title):  # with AT-SPI's cache off: the names in it go stale; pid None: any program's
    def find():
        with contextlib.suppress(GLib.Error):  # a program that has just ended
            for app in (a for a in pyatspi.Registry.getDesktop(0) if a and pid in (None, a.get_process_id())):
                app.set_cache_mask(Atspi.Cache.NONE)
                return next((w for w in app if w is not None and w.name == title), None)
    return wait(find, f"{title!r} on the accessibility bus")


def actions(node):
    return [node.queryAction().getName(i) for i in range(node.queryAction().nActions)]


def heard(window):  # what a screen reader reaches, by role and name; each control named, and acting if it can
    found = pyatspi.findAllDescendants(window, lambda n: n.getState().contains(pyatspi.STATE_SHOWING))
    acting = {BUTTON: "Press", RADIO: "Toggle", TEXT: None}
    assert [n.name for n in found if n.getRole() in acting and (
        not n.name or acting[n.getRole()] not in actions(n) + [None])] == []
    return {(n.getRole(), n.name) for n in found}


def start(argv, cwd=ASSETS, **env):  # accessible, as a screen reader asks; it ends with its display at the latest
    return subprocess.Popen(argv, cwd=cwd, env=os.environ | {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"} | env)


def test_install_tree(tmp_path):
    run("cmake", "--install", BUILD, "--prefix", "/opt/moltrava", env={**os.environ, "DESTDIR": tmp_path})
    root, sizes = tmp_path / "opt/moltrava", (16, 32, 48, 64, 128, 256)
    share, entry = root / "share", root / f"share/applications/{APP}.desktop"
    assert os.access(root / "bin/moltrava", os.X_OK)
    assert sorted(os.listdir(share / "moltrava/生肖图片")) == sorted(f"{s}1.jpg" for s in "猴鸡狗猪鼠牛虎兔龙蛇马羊")
    assert dict(re.findall(r"^(Exec|Path)=(.*)$", entry.read_text(), re.M)) == {
        "Exec": "/opt/moltrava/bin/moltrava", "Path": "/opt/moltrava/share/moltrava"}
    icons = [Image.open(share / f"icons/hicolor/{s}x{s}/apps/{APP}.png") for s in sizes]
    assert [(i.format, i.size) for i in icons] == [("PNG", (s, s)) for s in sizes]
    svg = ElementTree.parse(share / f"icons/hicolor/scalable/apps/{APP}.svg").find("{*}image")
    scalable = Image.open(io.BytesIO(base64.b64decode(svg.get("{http://www.w3.org/1999/xlink}href").split(",")[1])))
    flat = lambda i: Image.alpha_composite(Image.new("RGBA", i.size, "white"), i.convert("RGBA")).convert("RGB")
    for icon in icons + [scalable]:  # one picture at every size: the largest, scaled down
        unlike = ImageChops.difference(flat(icons[-1].resize(icon.size, Image.LANCZOS)), flat(icon))
        assert max(ImageStat.Stat(unlike).mean) < 8, icon.size
    assert run("desktop-file-validate", entry) == ""
    # AppStream 1.0 wants <developer>, which the 0.16 of Debian 12 does not know: there an unknown tag is only
    # pedantic, and that one alone may be unknown.
    older = int(re.search(r"version: (\d+)", run("appstreamcli", "--version"))[1]) < 1
    report = run("appstreamcli", "validate-tree", "--no-net", "--strict", "--pedantic",
                 *["--override=unknown-tag=pedantic"] * older, root)
    assert set(re.findall(r"unknown-tag (\S+)", report)) <= {"developer"}, report
    shots = [Path(i.text).name for i in ElementTree.parse(share / f"metainfo/{APP}.metainfo.xml").iter("image")]
    assert shots and all((SOURCE / "docs" / shot).is_file() for shot in shots), shots


def test_package(tmp_path):
    packages = run("dpkg", "-l")
    run("cpack", "-G", "DEB", "--config", BUILD / "CPackConfig.cmake", "-B", tmp_path)
    deb, = tmp_path.glob("moltrava_*.deb")
    run("lintian", "--fail-on", "error", deb, env=os.environ | {"TMPDIR": str(tmp_path)})  # it leaves files there
    assert "libqt6widgets6" in run("dpkg-deb", "-f", deb, "Depends")
    # --reinstall: the same, whether or not a moltrava is installed here already; the caches are kept
    assert "Inst moltrava " in run("apt-get", "install", "-s", "--reinstall", "-o", "Dir::Cache::pkgcache=", "-o",
                                   "Dir::Cache::srcpkgcache=", f"./{deb.name}", cwd=tmp_path)
    run("dpkg-deb", "-x", deb, root := tmp_path / "root")
    entry = dict(re.findall(r"^(\w+)=(.*)$", (root / f"usr/share/applications/{APP}.desktop").read_text(), re.M))
    folder = Path(f"{root}{entry['Path']}")  # the command, typed anywhere, starts the program there too
    assert visit(start([*STRACE, "-z", "-o", tmp_path / "strace", *f"{root}{entry['Exec']}".split()], tmp_path)) == 0
    assert str(folder / "生肖图片/鼠1.jpg") in [p for _, paths in traced(tmp_path / "strace", folder) for p in paths]
    licences = Copyright((root / "usr/share/doc/moltrava/copyright").open(), strict=True)
    texts = [p.license for p in licences.all_license_paragraphs()]  # each once, with its text
    assert sorted(t.synopsis for t in texts if t.text) == sorted({p.license.synopsis for p in licences.all_files_paragraphs()})
    manual = gzip.decompress((root / "usr/share/man/man1/moltrava.1.gz").read_bytes()).decode()
    assert all(words in manual for words in ("确定", "Shift+F10", "生肖图片")), manual
    assert run("dpkg", "-l") == packages


def test_no_writes(tmp_path):
    (home := tmp_path / "home").mkdir()
    pictures = lambda: sorted((p.name, p.stat().st_mtime_ns) for p in (ASSETS / "生肖图片").iterdir())
    before = pictures()
    assert visit(start([*STRACE, "-o", tmp_path / "strace", PROGRAM], HOME=str(home))) == 0
    calls = list(traced(tmp_path / "strace", ASSETS))
    assert str(ASSETS / "生肖图片/鼠1.jpg") in [p for _, paths in calls for p in paths]
    temporary = ("/tmp/", os.environ["XDG_RUNTIME_DIR"])  # what lasts a session only
    assert [line for line, paths in calls if WRITES.search(line) and not all(
        p.startswith(temporary) for p in paths)] == []
    assert list(home.iterdir()) == [] and pictures() == before
    # No file of its own elsewhere, such as settings; within the checkout, whatever its folder's name, only what
    # lies below the innermost of these folders counts.
    own = lambda p: min((p[len(str(f)):] for f in (home, ASSETS, PROGRAM.parent, BUILD, SOURCE)
                         if f"{p}/".startswith(f"{f}/")), key=len, default=p)
    assert [p for _, paths in calls for p in paths if "moltrava" in own(p).lower() and p != str(PROGRAM)] == []


def test_scale2():  # every window twice as large on the screen at twice the scale
    sizes = {1: [], 2: []}
    for scale in (1, 2):
        look = lambda title, w: sizes[scale].append((title, *geometry(w)[2:]))
        assert visit(start([PROGRAM], QT_SCALE_FACTOR=str(scale)), scale, look) == 0
    for (title, width, height), (title2, width2, height2) in zip(sizes[1], sizes[2], strict=True):
        assert title == title2 and abs(width2 - 2 * width) <= 2 and abs(height2 - 2 * height) <= 2, sizes


def test_screen_reader():
    form1 = accessible((process := start([PROGRAM])).pid, MAIN)
    assert HEARD["start"] <= heard(form1)
    window(MAIN); keys("Right", "Tab"); xdo("type", "--delay", "60", "1984")
    ok = pyatspi.findDescendant(form1, lambda n: n.name == "确定")
    ok.queryAction().doAction(actions(ok).index("Press"))
    wait(lambda: (LABEL, "鼠") in heard(form1), "the sign after pressing 确定 through AT-SPI")
    keys("shift+Tab", "Left")  # back to the start: 年龄, and no result

    def look(title, w):
        if title in HEARD:
            node = accessible(process.pid, title)
            wait(lambda: title != MAIN or (LABEL, "鼠") in heard(node), "the sign of 1984")
            assert HEARD[title] <= heard(node)
    assert visit(process, look=look) == 0


def test_run_command():  # the README's first command as a newcomer types it, with this build's program
    if BUILD != SOURCE / "build/default":
        pytest.skip("the run command builds and starts the default preset's program")
    command = re.search(r"```sh\n(.*?) +#", (SOURCE / "README.md").read_text())[1]
    process = start(["bash", "-c", command], cwd=SOURCE)
    form1 = accessible(None, MAIN)
    assert Path(f"/proc/{form1.get_process_id()}/exe").resolve() == PROGRAM.resolve()
    window(MAIN); keys("Return")  # the age 0: this year's sign
    sign = "猴鸡狗猪鼠牛虎兔龙蛇马羊"[time.localtime().tm_year % 12]
    wait(lambda: {(LABEL, sign), (IMAGE, sign)} <= heard(form1), f"this year's sign {sign} with its picture")
    window(MAIN); keys("Escape"); window("退出"); keys("y")
    assert process.wait(60) == 0
