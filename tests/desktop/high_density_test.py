# SPDX-License-Identifier: MIT
"""Runs the program at the normal scale and at twice the scale (QT_SCALE_FACTOR=2, as on a
high-density display) and compares: every window must be twice as large on the screen, each
control twice as large at twice the offset, none reaching out of its window or its parent, and
the animal picture must be drawn smoothly rather than as blocks of repeated pixels."""

import argparse
import os
import sys

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


class Run:
    """One start of the program at one scale: the windows' sizes and the controls' boxes in
    screen pixels, relative to their window."""

    def __init__(self, session, program, workdir, scale):
        import screen_reader as sr

        self.sr = sr
        self.session = session
        self.scale = scale
        self.process = session.start([program], cwd=workdir, extra_env={"QT_SCALE_FACTOR": str(scale)})
        self.app = sr.application(self.process.pid)
        self.window = keys.main_window(session, self.process)
        keys.query_birth_year(session, self.window, 1984)
        self.form1 = wait_until(lambda: sr.find_window(self.app, "^Moltrava1"), 10, "Form1")
        wait_until(lambda: sr.find(self.form1, "image", "鼠"), 10, "the picture of the rat")
        self.size = session.geometry(self.window)[2:]
        self.controls = self.boxes(self.form1, self.window)
        self.screenshot = session.screenshot(self.window)

    def boxes(self, accessible_window, x_window):
        """Each node's box relative to its window, in screen pixels, keyed by what is heard.
        Qt 6.4 reports the boxes in its own unscaled pixels; they are brought to the screen's
        here by the ratio of the window's real size to its reported one."""
        sr = self.sr
        wx, wy, ww, wh = sr.extents(accessible_window)
        ratio = self.session.geometry(x_window)[2] / ww
        boxes = {}
        for node in sr.descendants(accessible_window):
            x, y, w, h = sr.extents(node)
            parent = node.parent
            px, py, pw, ph = sr.extents(parent)
            boxes[sr.spoken(node)] = (
                tuple(round(v * ratio) for v in (x - wx, y - wy, w, h)),
                tuple(round(v * ratio) for v in (px - wx, py - wy, pw, ph)))
        return boxes

    def close_question_size(self):
        self.session.focus(self.window)
        self.session.keys("Escape")
        box = self.session.wait_for_window("^退出$", pid=self.process.pid)
        size = self.session.geometry(box)[2:]
        self.session.focus(box)
        self.session.keys("n")
        return size

    def stop(self):
        stop(self.process)


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
    parser.add_argument("--screenshots", help="a folder for the screenshots at both scales")
    arguments = parser.parse_args()
    program = os.path.abspath(arguments.program)
    checks = Checks()

    with Session(width=1600, height=1200) as session:
        os.environ.update(session.env)
        runs = {}
        for scale in (1, 2):
            run = Run(session, program, arguments.workdir, scale)
            try:
                run.question = run.close_question_size()
            finally:
                run.stop()
            runs[scale] = run
        normal, double = runs[1], runs[2]

        checks.section("the windows are twice as large")
        checks.equal("Form1", double.size, tuple(2 * v for v in normal.size))
        checks.equal("the close question", double.question, tuple(2 * v for v in normal.question))

        checks.section("each control is twice as large, at twice the offset")
        checks.equal("the same controls at both scales", sorted(double.controls), sorted(normal.controls))
        for heard, (box, _) in normal.controls.items():
            if heard in double.controls:
                expected = tuple(2 * v for v in box)
                found = double.controls[heard][0]
                checks.true(f"{heard}: {found}", close(found, expected), f"expected {expected}")

        checks.section("nothing reaches out of its window or its parent")
        window_box = (0, 0) + double.size
        for heard, (box, parent) in double.controls.items():
            checks.true(f"{heard}: inside Form1", inside(box, window_box), f"{box} in {window_box}")
            checks.true(f"{heard}: inside its parent", inside(box, parent), f"{box} in {parent}")

        checks.section("the picture is drawn smoothly at twice the scale")
        x, y, w, h = double.controls["鼠 image"][0]
        # Inside the picture box's sunken frame.
        inset = 8
        picture = double.screenshot.crop((x + inset, y + inset, x + w - inset, y + h - inset))
        score = blockiness(picture)
        print(f"  blockiness of the picture at 2×: {score:.2f} (1.00 = pixels repeated)")
        checks.true("the picture is not made of repeated pixels", score < 0.5, f"blockiness {score:.2f}")

        if arguments.screenshots:
            os.makedirs(arguments.screenshots, exist_ok=True)
            normal.screenshot.save(os.path.join(arguments.screenshots, "form1.png"), optimize=True)
            double.screenshot.save(os.path.join(arguments.screenshots, "form1-2x.png"), optimize=True)
    checks.finish()


if __name__ == "__main__":
    sys.exit(main())
