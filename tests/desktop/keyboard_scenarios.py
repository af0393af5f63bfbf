# SPDX-License-Identifier: MIT
"""Steps that a person takes with the keyboard alone, shared by the tests that watch the
program from outside (its files, its installed copy)."""

import re
import time

from desktop_session import wait_until

MAIN_TITLE = "^Moltrava1\\.2 "
ABOUT_PROGRAM = "关于 Moltrava V1.2"
ABOUT_AUTHOR = "关于作者"
PROGRAM_TITLE = "Moltrava V1.2"  # the title of the program's own message boxes
# A point of the main window's bare background, in its unscaled pixels: left of 确定.
BACKGROUND = (8, 300)


def exactly(title):
    return "^" + re.escape(title) + "$"


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
    box = session.wait_for_window(exactly(title), pid=process.pid, timeout=10)
    session.focus(box)
    session.keys(key)
    wait_until(lambda: not session.windows(exactly(title), pid=process.pid), 10, f"{title!r} to close")


def refuse_an_age(session, window, process):
    """After a birth-year query: back to 年龄, enter 151, and close the refusal."""
    session.focus(window)
    session.keys("shift+Tab", "Left", "Tab")
    session.type("151")
    session.keys("Return")
    answer_box(session, process, "请重输", "Return")


def choose_from_menu(session, window, process, position, title, scale=1):
    """Right-clicks the main window's background, chooses the menu's item at `position`
    (counted from 1) with the keyboard, and returns the window that opens, with the focus."""
    session.focus(window)
    session.click(window, BACKGROUND[0] * scale, BACKGROUND[1] * scale, button=3)
    time.sleep(0.5)
    session.keys(*(["Down"] * position), "Return")
    dialog = session.wait_for_window(exactly(title), pid=process.pid, timeout=10)
    session.focus(dialog)
    time.sleep(0.3)
    return dialog


def visit_about_program(session, window, process):
    """Opens 关于本软件, presses 系统信息 (Tab, Tab, space), closes the message that the tool is
    unavailable, and closes the dialog with Esc."""
    dialog = choose_from_menu(session, window, process, 1, ABOUT_PROGRAM)
    session.keys("Tab", "Tab", "space")
    # Without the Windows registry the tool is never found, and a message says so.
    answer_box(session, process, PROGRAM_TITLE, "Return")
    session.focus(dialog)
    session.keys("Escape")
    wait_until(lambda: not session.windows(exactly(ABOUT_PROGRAM), pid=process.pid), 10,
               "the dialog to close")


def visit_about_author(session, window, process):
    """Opens 关于作者 and closes it through its close box."""
    dialog = choose_from_menu(session, window, process, 2, ABOUT_AUTHOR)
    session.ask_to_close(dialog, lambda: not session.windows(exactly(ABOUT_AUTHOR), pid=process.pid))


def read_plan_notice(session, window, process):
    """Opens 本软件计划 and closes the notice with Enter."""
    choose_from_menu(session, window, process, 3, PROGRAM_TITLE)
    session.keys("Return")
    wait_until(lambda: not session.windows(exactly(PROGRAM_TITLE), pid=process.pid), 10,
               "the notice to close")


def quit_program(session, window, process):
    """Esc asks the close question; N keeps the program, then Y ends it. Returns its exit code."""
    session.focus(window)
    session.keys("Escape")
    answer_box(session, process, "退出", "n")
    session.focus(window)
    session.keys("Escape")
    box = session.wait_for_window(exactly("退出"), pid=process.pid, timeout=10)
    session.focus(box)
    session.keys("y")
    return process.wait(10)
