# SPDX-License-Identifier: MIT
"""Checks what `cmake --install` put under a prefix (inside DESTDIR): the program, the twelve
pictures where the desktop entry starts it, the entry itself, the icons at their sizes, the
AppStream metadata and the licences."""

import argparse
import configparser
import os
import re
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

from checks import Checks

APP_ID = "io.github.moltrava.Moltrava"
SIGNS = "猴鸡狗猪鼠牛虎兔龙蛇马羊"
PNG_SIZES = (16, 32, 48, 64, 128, 256)


def png_size(path):
    with open(path, "rb") as png:
        header = png.read(24)
    if header[:8] != b"\x89PNG\r\n\x1a\n":
        return None
    return struct.unpack(">II", header[16:24])


def drawn_share(svg_path):
    """The share of opaque pixels when the SVG is rendered at 128 pixels, as an icon theme
    would render it: zero when the drawing is broken."""
    from PIL import Image

    with tempfile.TemporaryDirectory() as folder:
        png = os.path.join(folder, "icon.png")
        if subprocess.run(["rsvg-convert", "-w", "128", "-h", "128", "-o", png, svg_path]).returncode:
            return 0.0
        alpha = Image.open(png).convert("RGBA").getchannel("A")
        return sum(1 for a in alpha.getdata() if a > 128) / (128 * 128)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--destdir", required=True)
    parser.add_argument("--prefix", required=True, help="the prefix given to cmake --install")
    parser.add_argument("--source", required=True, help="the project's source folder")
    arguments = parser.parse_args()
    prefix = arguments.prefix
    root = os.path.join(arguments.destdir, prefix.lstrip("/"))
    share = os.path.join(root, "share")
    checks = Checks()

    checks.section("the program and its pictures")
    program = os.path.join(root, "bin", "moltrava")
    checks.true("bin/moltrava is an executable file", os.path.isfile(program) and os.access(program, os.X_OK))
    pictures = os.path.join(share, "moltrava", "生肖图片")
    checks.equal("share/moltrava/生肖图片 holds one JPEG a sign",
                 sorted(os.listdir(pictures)) if os.path.isdir(pictures) else [],
                 sorted(f"{sign}1.jpg" for sign in SIGNS))

    checks.section("the desktop entry")
    entry_path = os.path.join(share, "applications", f"{APP_ID}.desktop")
    entry = configparser.ConfigParser(interpolation=None, strict=False)
    entry.optionxform = str
    entry.read(entry_path, encoding="utf-8")
    desktop = entry["Desktop Entry"] if entry.has_section("Desktop Entry") else {}
    checks.equal("it is started in the installed share/moltrava", desktop.get("Path"),
                 f"{prefix}/share/moltrava")
    checks.equal("it runs the installed program", desktop.get("Exec"), f"{prefix}/bin/moltrava")
    checks.equal("its icon is the application's id", desktop.get("Icon"), APP_ID)
    for key in ("Name", "Name[zh_CN]", "Comment", "Comment[zh_CN]", "Categories"):
        checks.true(f"it has {key}", desktop.get(key))

    checks.section("the icons")
    for size in PNG_SIZES:
        icon = os.path.join(share, "icons", "hicolor", f"{size}x{size}", "apps", f"{APP_ID}.png")
        checks.equal(f"{size}x{size}", png_size(icon) if os.path.isfile(icon) else None, (size, size))
    svg_path = os.path.join(share, "icons", "hicolor", "scalable", "apps", f"{APP_ID}.svg")
    svg = ElementTree.parse(svg_path).getroot()
    checks.equal("scalable: an SVG document", svg.tag, "{http://www.w3.org/2000/svg}svg")
    checks.true("scalable: drawn in shapes, with no text that would need a font",
                not [e for e in svg.iter() if e.tag.endswith("}text")])
    checks.true("scalable: renders to a picture that is mostly drawn", drawn_share(svg_path) > 0.3)

    checks.section("the AppStream metadata")
    meta = ElementTree.parse(os.path.join(share, "metainfo", f"{APP_ID}.metainfo.xml")).getroot()
    lang = "{http://www.w3.org/XML/1998/namespace}lang"
    checks.equal("its id", meta.findtext("id"), APP_ID)
    checks.equal("it launches the desktop entry", meta.findtext("launchable"), f"{APP_ID}.desktop")
    summaries = {s.get(lang, "en"): s.text for s in meta.findall("summary")}
    checks.true("a summary in English and in Chinese", set(summaries) == {"en", "zh_CN"}, summaries)
    checks.equal("the licences: MIT for the code, OFL for the pictures", meta.findtext("project_license"),
                 "MIT AND OFL-1.1")
    for image in meta.iter("image"):
        name = image.text.rsplit("/", 1)[-1]
        checks.true(f"screenshot {name} is committed in docs/",
                    os.path.isfile(os.path.join(arguments.source, "docs", name)))

    checks.section("the licences and the manual")
    copyright_path = os.path.join(share, "doc", "moltrava", "copyright")
    text = open(copyright_path, encoding="utf-8").read() if os.path.isfile(copyright_path) else ""
    checks.true("copyright names the MIT (Expat) licence", re.search(r"^License: Expat$", text, re.M))
    checks.true("copyright names the OFL for the pictures", re.search(r"^License: OFL-1.1$", text, re.M))
    checks.true("the manual page is there",
                os.path.isfile(os.path.join(share, "man", "man1", "moltrava.1.gz")))
    checks.finish()


if __name__ == "__main__":
    sys.exit(main())
