# SPDX-License-Identifier: MIT
"""Runs the program at the normal scale and at twice the scale (QT_SCALE_FACTOR=2, as on a
high-density display) and compares: every window must be twice as large on the screen, each
control twice as large at twice the offset, none reaching out of its window or its parent, and
the animal picture must be drawn smoothly rather than as blocks of repeated pixels."""

import argparse
import json
import os
import shutil
import subprocess
import sys
import tempfile

import keyboard_scenarios as keys
from checks import Checks
from desktop_session import Session, stop, wait_until

# Screen pixels that a rounded position or size may be off by at twice the scale.
TOLERANCE = 2


def blockiness(image):
    """Share of 2×2 pixel blocks that are a single colour, among the blocks whose surroundings
    are not flat: 1.0 for a picture doubled by repeating each pixel, far lower for a smoothly
    scaled one (about 0.15 for bilinear scaling of these pictures)."""
    pixels = image.convert("RGB").load()
    width, height = image.size
    best = 0.0
    for dx in (0, 1):
        for dy in (0, 1):
            busy = uniform = 0
            for y in range(dy, height - 3, 2):
                for x in range(dx, width - 3, 2):
                    block = {pixels[x, y], pixels[x + 1, y], pixels[x, y + 1], pixels[x + 1, y + 1]}
                    right = {pixels[x + 2, y], pixels[x + 3, y], pixels[x + 2, y + 1],
                             pixels[x + 3, y + 1]}
                    if len(block | right) == 1:
                        continue
                    busy += 1
                    uniform += len(block) == 1
            if busy:
                best = max(best, uniform / busy)
    return best


def measure(program, workdir, scale, folder):
    """Starts the program at one scale on a display of matching size, and writes into `folder`
    the windows' sizes and the controls' boxes in screen pixels (sizes.json) and screenshots.
    Runs in a process of its own, since AT-SPI stays with the first bus it met."""
    # A display of twice the density has twice the pixels: the same room for the windows.
    with Session(width=1280 * scale, height=1024 * scale) as session:
        os.environ.update(session.env)
        import screen_reader as sr

        process = session.start([program], cwd=workdir, extra_env={"QT_SCALE_FACTOR": str(scale)})
        try:
            app = sr.application(process.pid)
            window = keys.main_window(session, process)
            keys.query_birth_year(session, window, 1984)
            form1 = wait_until(lambda: sr.find_window(app, keys.MAIN_TITLE), 10, "Form1")
            wait_until(lambda: sr.find(form1, "image", "鼠"), 10, "the picture of the rat")
            sizes = {"Form1": session.geometry(window)[2:], "controls": boxes(sr, session, form1, window)}
            session.screenshot(window).save(os.path.join(folder, "main-window.png"))

            for position, title, name in ((1, keys.ABOUT_PROGRAM, "about-program"),
                                          (2, keys.ABOUT_AUTHOR, "about-author"),
                                          (3, keys.PROGRAM_TITLE, "plan-notice")):
                dialog = keys.choose_from_menu(session, window, process, position, title, scale)
                sizes[title] = session.geometry(dialog)[2:]
                session.screenshot(dialog).save(os.path.join(folder, f"{name}.png"))
                session.ask_to_close(dialog, lambda: not session.windows(keys.exactly(title), pid=process.pid))

            session.focus(window)
            session.keys("Escape")
            question = session.wait_for_window(keys.exactly("退出"), pid=process.pid)
            sizes["退出"] = session.geometry(question)[2:]
            session.focus(question)
            session.keys("n")
        finally:
            stop(process)
    with open(os.path.join(folder, "sizes.json"), "w", encoding="utf-8") as out:
        json.dump(sizes, out, ensure_ascii=False)


def boxes(sr, session, accessible_window, x_window):
    """Each node's box and its parent's, relative to the window, in screen pixels, keyed by
    what is heard. Qt 6.4 reports the boxes in its own unscaled pixels; they are brought to the
    screen's here by the ratio of the window's real width to its reported one."""
    wx, wy, ww, _ = sr.extents(accessible_window)
    ratio = session.geometry(x_window)[2] / ww
    found = {}
    for node in sr.descendants(accessible_window):
        x, y, w, h = sr.extents(node)
        px, py, pw, ph = sr.extents(node.parent)
        found[sr.spoken(node)] = (
            [round(v * ratio) for v in (x - wx, y - wy, w, h)],
            [round(v * ratio) for v in (px - wx, py - wy, pw, ph)])
    return found


def inside(box, outer):
    x, y, w, h = box
    ox, oy, ow, oh = outer
    return x >= ox and y >= oy and x + w <= ox + ow and y + h <= oy + oh


def close(found, expected):
    return all(abs(f - e) <= TOLERANCE for f, e in zip(found, expected))


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--program", required=True)
    parser.add_argument("--workdir", required=True, help="the folder that holds 生肖图片")
    parser.add_argument("--screenshots", help="a folder to keep the screenshots at both scales in")
    parser.add_argument("--measure-scale", type=int, help=argparse.SUPPRESS)
    parser.add_argument("--measure-into", help=argparse.SUPPRESS)
    arguments = parser.parse_args()
    program = os.path.abspath(arguments.program)
    if arguments.measure_scale:
        measure(program, arguments.workdir, arguments.measure_scale, arguments.measure_into)
        return 0

    checks = Checks()
    with tempfile.TemporaryDirectory(prefix="high-density-") as work:
        runs = {}
        for scale in (1, 2):
            folder = os.path.join(work, str(scale))
            os.mkdir(folder)
            subprocess.run([sys.executable, os.path.abspath(__file__), "--program", program,
                            "--workdir", arguments.workdir, "--measure-scale", str(scale),
                            "--measure-into", folder], check=True, timeout=240)
            with open(os.path.join(folder, "sizes.json"), encoding="utf-8") as sizes:
                runs[scale] = json.load(sizes)
        normal, double = runs[1], runs[2]

        checks.section("the windows are twice as large")
        for title in ("Form1", keys.ABOUT_PROGRAM, keys.ABOUT_AUTHOR, keys.PROGRAM_TITLE, "退出"):
            checks.equal(title, double[title], [2 * v for v in normal[title]])

        checks.section("each control of Form1 is twice as large, at twice the offset")
        checks.equal("the same controls at both scales", sorted(double["controls"]),
                     sorted(normal["controls"]))
        for heard, (box, _) in normal["controls"].items():
            if heard in double["controls"]:
                expected = [2 * v for v in box]
                found = double["controls"][heard][0]
                checks.true(f"{heard}: {found}", close(found, expected), f"expected {expected}")

        checks.section("nothing reaches out of its window or its parent")
        window_box = [0, 0] + double["Form1"]
        for heard, (box, parent) in double["controls"].items():
            checks.true(f"{heard}: inside Form1", inside(box, window_box), f"{box} in {window_box}")
            checks.true(f"{heard}: inside its parent", inside(box, parent), f"{box} in {parent}")

        checks.section("the picture is drawn smoothly at twice the scale")
        from PIL import Image

        x, y, w, h = double["controls"]["鼠 image"][0]
        inset = 8  # inside the picture box's sunken frame
        with Image.open(os.path.join(work, "2", "main-window.png")) as screenshot:
            score = blockiness(screenshot.crop((x + inset, y + inset, x + w - inset, y + h - inset)))
        print(f"  blockiness of the picture at 2×: {score:.2f} (1.00 = pixels repeated)")
        checks.true("the picture is not made of repeated pixels", score < 0.5, f"blockiness {score:.2f}")

        if arguments.screenshots:
            os.makedirs(arguments.screenshots, exist_ok=True)
            for scale, suffix in ((1, ""), (2, "@2x")):
                for shot in os.listdir(os.path.join(work, str(scale))):
                    if shot.endswith(".png"):
                        shutil.copy(os.path.join(work, str(scale), shot),
                                    os.path.join(arguments.screenshots, shot.replace(".png", suffix + ".png")))
            print(f"  screenshots in {arguments.screenshots}")
    checks.finish()


if __name__ == "__main__":
    sys.exit(main())
