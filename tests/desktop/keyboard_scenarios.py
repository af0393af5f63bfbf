# SPDX-License-Identifier: MIT
"""Steps that a person takes with the keyboard alone, shared by the tests that watch the
program from outside (its files, its installed copy)."""

import time

from desktop_session import wait_until

MAIN_TITLE = "^Moltrava1\\.2 "


def main_window(session, process, timeout=30):
    """Waits for the main window and gives it the focus."""
    window = session.wait_for_window(MAIN_TITLE, pid=process.pid, timeout=timeout)
    session.focus(window)
    time.sleep(0.3)
    return window


def query_birth_year(session, window, year):
    """From the start-up state (age selected, focus on it): select 出生年, type the year, Enter."""
    session.focus(window)
    session.keys("Right", "Tab")
    session.type(str(year))
    session.keys("Return")
    time.sleep(0.5)


def answer_box(session, process, title, key):
    """Waits for a message box, focuses it as a window manager would, answers with a key and
    waits for it to go."""
    box = session.wait_for_window(f"^{title}$", pid=process.pid, timeout=10)
    session.focus(box)
    session.keys(key)
    wait_until(lambda: not session.windows(f"^{title}$", pid=process.pid), 10, f"{title!r} to close")


def refuse_an_age(session, window, process):
    """After a birth-year query: back to 年龄, enter 151, and close the refusal."""
    session.focus(window)
    session.keys("shift+Tab", "Left", "Tab")
    session.type("151")
    session.keys("Return")
    answer_box(session, process, "请重输", "Return")


def quit_program(session, window, process):
    """Esc asks the close question; N keeps the program, then Y ends it. Returns its exit code."""
    session.focus(window)
    session.keys("Escape")
    answer_box(session, process, "退出", "n")
    session.focus(window)
    session.keys("Escape")
    box = session.wait_for_window("^退出$", pid=process.pid, timeout=10)
    session.focus(box)
    session.keys("y")
    return process.wait(10)
