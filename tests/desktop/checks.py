# SPDX-License-Identifier: MIT
"""A small tally of named checks for the desktop tests: each failure is printed with what was
expected and what was found, and the run goes on so that one report shows them all."""

import sys
import traceback


class Checks:
    def __init__(self):
        self.passed = 0
        self.failed = []

    def section(self, title):
        print(f"== {title}", flush=True)

    def true(self, what, condition, detail=""):
        if condition:
            self.passed += 1
            print(f"  ok   {what}", flush=True)
        else:
            self.failed.append(what)
            print(f"  FAIL {what}" + (f"\n       {detail}" if detail else ""), flush=True)
        return bool(condition)

    def equal(self, what, found, expected):
        return self.true(what, found == expected, f"expected {expected!r}\n       found    {found!r}")

    def run(self, title, step, *args):
        """Runs one group of checks; an exception in it fails the group and not the others."""
        self.section(title)
        try:
            step(*args)
        except Exception:  # noqa: BLE001 - every failure is reported, then the next group runs
            self.failed.append(title)
            print("  FAIL " + title + " stopped:\n" + traceback.format_exc(), flush=True)

    def finish(self):
        print(f"{self.passed} checks passed, {len(self.failed)} failed")
        for what in self.failed:
            print(f"  failed: {what}")
        sys.exit(1 if self.failed else 0)
