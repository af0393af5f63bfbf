# SPDX-License-Identifier: MIT
"""Walks the running program as a screen-reader user would: reads every window through the
accessibility tree, checks what is heard for each control, operates the controls through the
tree (the screen reader's own commands) and with real key presses, and follows the message
boxes that come up."""

import argparse
import os
import sys
import tempfile

import keyboard_scenarios as keys
from checks import Checks
from desktop_session import Session, stop

MAIN_TITLE = "Moltrava1.2    QQ:000000000"

# What a screen reader reaches in the main window right after start-up, one line per node as
# `screen_reader.spoken` words it, indented by depth. The order of siblings is not compared.
MAIN_WINDOW_AT_START = [
    "查询条件 panel",
    "  年龄 radio button checked — 根据年龄查询",
    "  出生年 radio button — 根据出生年份查询",
    "  (周岁) label — 根据年龄查询",
    "  (阳历) label — 根据出生年份查询",
    "请输入您的年龄 text editable text '0'",
    "确定 push button default",
    "退出 push button",
    "您的属相是： label",
    "(no name) label",  # the result, empty until a query finds a sign
    "请输入您的年龄 label",
    "无图片 label",  # the picture box while it shows no picture
]

# The Tab key visits these in turn and comes back to the first: only the selected option of
# the two takes the focus, and the picture box takes it last.
TAB_CYCLE_AGE = [
    ("radio button", "年龄"),
    ("text", "请输入您的年龄"),
    ("push button", "确定"),
    ("push button", "退出"),
    ("label", "无图片"),
    ("radio button", "年龄"),
]


PROGRAM_TITLE = keys.PROGRAM_TITLE
MENU_ITEMS = ["关于本软件", "关于作者", "本软件计划"]
ABOUT_PROGRAM_TITLE = keys.ABOUT_PROGRAM
ABOUT_PROGRAM = [
    "确定 push button default",
    "程序图标 image",
    "系统信息 push button",
    "能够根据你的出生年份(阳历)和你现在的年龄(周岁)来计算你属相的一个小软件，仅供大家娱乐。 label",
    "您可以自由使用、复制和传播本软件，但不得用于商业用途。 label",
    "Moltrava V1.2 label",
    "版本 1.0.0 label",
]
ABOUT_PROGRAM_TAB_CYCLE = [("image", "程序图标"), ("push button", "系统信息"), ("push button", "确定")]
ABOUT_AUTHOR_TITLE = keys.ABOUT_AUTHOR
ABOUT_AUTHOR = [
    "本人喜欢电脑，热爱电脑技术研究，希望结交喜欢电脑的朋友，能够共同学习，相互补充，相互学习。 label",
    "QQ:000000000 label",
    "E-mail:author@example.com label",
    # The focused button is the one Enter presses, so Qt reports it as the default.
    "百度博客 push button default",
    "主 页 push button",
]
HOME_PAGE = "https://www.example.com/"
BLOG_PAGE = "https://blog.example.org/"
PLAN_NOTICE = ("本软件计划增加反查功能，如知道某人的属相，但不知道某人的年龄或出生年份，"
               "就可以通过本软件的反查功能来实现。")

# Stands in for the desktop's web-page opener: notes the address instead of starting a browser.
WEB_OPENER = """#!/bin/sh
printf '%s\\n' "$*" >> "{log}"
"""


def parse_arguments():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--program", required=True, help="the moltrava executable")
    parser.add_argument("--workdir", required=True, help="the folder that holds 生肖图片")
    return parser.parse_args()


class Walk:
    def __init__(self, session, program, workdir, checks, opened_pages):
        self.session = session
        self.checks = checks
        import screen_reader as sr

        self.sr = sr
        self.events = sr.EventRecorder()
        # The program finds the web-page opener on PATH, as a desktop's programs do.
        self.opened_pages = opened_pages
        opener_folder = os.path.dirname(opened_pages)
        with open(os.path.join(opener_folder, "xdg-open"), "w", encoding="utf-8") as opener:
            opener.write(WEB_OPENER.format(log=opened_pages))
        os.chmod(os.path.join(opener_folder, "xdg-open"), 0o755)
        path = opener_folder + os.pathsep + session.env.get("PATH", os.defpath)
        self.process = session.start([program], cwd=workdir, extra_env={"PATH": path})
        self.x_window = session.wait_for_window(keys.MAIN_TITLE, pid=self.process.pid)
        self.app = sr.application(self.process.pid)
        self.form1 = self.sr.wait_until(lambda: sr.window_named(self.app, MAIN_TITLE), 10, "Form1 in the tree")

    # -- helpers ---------------------------------------------------------------------------------

    def control(self, role, name=None):
        node = self.sr.find(self.form1, role, name)
        if node is None:
            raise AssertionError(f"no {role} {name!r} in Form1")
        return node

    def text1(self):
        return self.control("text")

    def focus_main_window(self):
        self.session.focus(self.x_window)
        self.sr.pump(0.2)

    def press_keys(self, *keys):
        self.events.clear()
        for key in keys:
            self.session.keys(key)
            self.sr.pump(0.15)

    def heard_focus(self):
        """The last node that received the focus, as (role, name)."""
        moves = self.events.focus_moves()
        return moves[-1] if moves else None

    def wait_focus(self, role, name, what):
        try:
            self.events.wait_for(lambda kind, r, n, gained: kind == "object:state-changed:focused"
                                 and gained == 1 and (r, n) == (role, name), 5, what)
        except Exception:  # noqa: BLE001 - reported by the check below
            pass
        return self.checks.equal(what, self.heard_focus(), (role, name))

    def new_window(self, title):
        """Waits for a dialog or message box, gives it the focus as a window manager would, and
        returns its node in the tree."""
        node = self.sr.wait_until(lambda: self.sr.window_named(self.app, title), 10, f"the window {title!r}")
        self.session.focus(self.x_window_of(title))
        self.sr.pump(0.3)
        return node

    def x_window_of(self, title):
        return self.session.wait_for_window(keys.exactly(title), pid=self.process.pid)

    def open_menu(self, at=keys.BACKGROUND, button=3):
        """Clicks on the main window and returns the popup menu that comes up, or None."""
        self.events.popup_menu = None
        self.events.clear()
        self.session.click(self.x_window, *at, button=button)
        try:
            return self.sr.wait_until(lambda: self.events.popup_menu, 3, "the popup menu")
        except Exception:  # noqa: BLE001 - no menu is a result here, not a failure
            return None

    def menu_item(self, menu, caption):
        for item in self.sr.children(menu):
            if self.sr.name(item) == caption:
                return item
        raise AssertionError(f"no menu item {caption!r}")

    def check_window(self, window, role, expected, focused):
        """Checks a dialog as a screen reader presents it: its role, every control with its
        role, name and state, and where the focus is."""
        sr, checks = self.sr, self.checks
        title = sr.name(window)
        checks.equal(f"{title}: role", sr.role(window), role)
        outline = sr.outline(window)
        print(f"  what a screen reader reaches in {title}:")
        for line in outline:
            print("    " + line)
        checks.equal(f"{title}: every control with its role, name and state",
                     sorted(line[2:] for line in outline[1:]), sorted(expected))
        for node in sr.descendants(window):
            if sr.role(node) == "push button":
                checks.true(f"{title}: {sr.name(node)!r} can be pressed", "Press" in sr.actions(node))
        self.wait_focus(*focused, f"{title}: the focus starts on {focused[1]!r}")

    def pages_opened(self):
        if not os.path.exists(self.opened_pages):
            return []
        with open(self.opened_pages, encoding="utf-8") as log:
            return log.read().split()

    def check_box(self, box, role, text, buttons, default):
        """Checks what a screen reader says of a message box: its role and title, its text, its
        buttons, and which button has the focus."""
        sr = self.sr
        self.checks.equal(f"{sr.name(box)}: role", sr.role(box), role)
        labels = [sr.name(n) for n in sr.descendants(box) if sr.role(n) == "label" and sr.name(n)]
        self.checks.equal(f"{sr.name(box)}: text", labels, [text])
        found = [sr.name(n) for n in sr.descendants(box) if sr.role(n) == "push button"]
        self.checks.equal(f"{sr.name(box)}: buttons", found, buttons)
        for button in sr.descendants(box):
            if sr.role(button) == "push button":
                self.checks.true(f"{sr.name(box)}: {sr.name(button)!r} can be pressed",
                                 "Press" in sr.actions(button), sr.actions(button))
        self.checks.true(f"{sr.name(box)}: every part is named or only decorates",
                         not self.unnamed(box), self.unnamed(box))
        self.wait_focus("push button", default, f"{sr.name(box)}: the focus is on {default!r}")

    def unnamed(self, window):
        """Controls that a screen reader would land on but could say nothing of. A message
        box's icon, an image or an empty label that takes no focus, is decoration that screen
        readers pass over."""
        sr = self.sr
        silent = []
        for node in sr.descendants(window):
            if sr.name(node) or sr.role(node) in sr.STRUCTURAL_ROLES:
                continue
            if sr.role(node) in ("image", "label") and not sr.has_state(node, sr.pyatspi.STATE_FOCUSABLE):
                continue
            silent.append(sr.spoken(node))
        return silent

    def is_gone(self, title):
        return self.sr.window_named(self.app, title) is None

    # -- the groups of checks ------------------------------------------------------------------

    def main_window_is_announced_and_complete(self):
        sr, checks = self.sr, self.checks
        self.events.clear()
        self.focus_main_window()
        activations = [n for kind, _, n, _ in self.events.events if kind == "window:activate"]
        checks.true("activating the window announces its title", MAIN_TITLE in activations, activations)
        checks.equal("the focus starts on the age option", self.heard_focus(), ("radio button", "年龄"))
        print("  what a screen reader reaches in Form1:")
        outline = sr.outline(self.form1)
        for line in outline:
            print("    " + line)
        checks.equal("Form1: every control with its role, name, state and tooltip",
                     sorted(line[2:] for line in outline[1:]), sorted(MAIN_WINDOW_AT_START))
        for node in sr.descendants(self.form1):
            checks.true(f"{sr.spoken(node)}: on screen and enabled",
                        sr.has_state(node, sr.pyatspi.STATE_SHOWING)
                        and sr.has_state(node, sr.pyatspi.STATE_ENABLED))
        for node in sr.descendants(self.form1):
            role = sr.role(node)
            if role == "push button":
                checks.true(f"{sr.name(node)}: can be pressed", "Press" in sr.actions(node))
            elif role == "radio button":
                checks.true(f"{sr.name(node)}: can be selected", "Toggle" in sr.actions(node))
            elif role == "text":
                checks.true(f"{sr.name(node)}: text can be entered",
                            "EditableText" in node.get_interfaces())
        focusable = [sr.spoken(n) for n in sr.descendants(self.form1)
                     if sr.has_state(n, sr.pyatspi.STATE_FOCUSABLE)]
        checks.equal("the controls that take the focus", sorted(focusable), sorted([
            "年龄 radio button checked — 根据年龄查询", "出生年 radio button — 根据出生年份查询",
            "请输入您的年龄 text editable text '0'", "确定 push button default", "退出 push button",
            "无图片 label"]))

    def tab_visits_every_control(self):
        self.focus_main_window()
        self.press_keys(*["Tab"] * (len(TAB_CYCLE_AGE) - 1))
        self.checks.equal("Tab: the order in which the controls are heard", self.events.focus_moves(),
                          TAB_CYCLE_AGE[1:])
        self.press_keys(*["shift+Tab"] * (len(TAB_CYCLE_AGE) - 1))
        self.checks.equal("Shift+Tab: the same controls backwards", self.events.focus_moves(),
                          list(reversed(TAB_CYCLE_AGE[:-1])))

    def query_with_keys(self):
        sr, checks = self.sr, self.checks
        self.focus_main_window()
        self.press_keys("Right")
        checks.equal("Right selects 出生年 and is heard", self.heard_focus(), ("radio button", "出生年"))
        checks.true("…出生年 is checked", "checked" in sr.states(self.control("radio button", "出生年")))
        checks.true("…年龄 is not", "checked" not in sr.states(self.control("radio button", "年龄")))
        self.press_keys("Tab")
        checks.equal("Tab reaches the entry, announced with the birth-year prompt",
                     self.heard_focus(), ("text", "请输入出生年份"))
        self.session.type("x1999-")
        sr.pump(0.3)
        checks.equal("typed x1999-: only the digits are taken", sr.text(self.text1()), "1999")
        self.press_keys("Return")
        self.sr.wait_until(lambda: sr.find(self.form1, "image", "兔"), 5, "the picture of the rabbit")
        checks.true("Enter runs the query: 1999 is heard as 兔",
                    sr.find(self.form1, "label", "兔") is not None)
        checks.true("…and the focus stays in the entry",
                    sr.has_state(self.text1(), sr.pyatspi.STATE_FOCUSED))

    def refused_age_with_keys(self):
        sr, checks = self.sr, self.checks
        self.focus_main_window()
        self.press_keys("shift+Tab")
        checks.equal("Shift+Tab from the entry lands on the selected option", self.heard_focus(),
                     ("radio button", "出生年"))
        self.press_keys("Left")
        checks.equal("Left selects 年龄 and is heard", self.heard_focus(), ("radio button", "年龄"))
        checks.true("…the result is cleared", sr.find(self.form1, "label", "无图片") is not None)
        self.press_keys("Tab")
        checks.equal("the entry now asks for the age", self.heard_focus(), ("text", "请输入您的年龄"))
        self.session.type("151")
        self.events.clear()
        self.session.keys("Return")
        box = self.new_window("请重输")
        self.check_box(box, "alert", "请输入小于等于150岁的数字！", ["确定"], "确定")
        self.press_keys("space")
        self.sr.wait_until(lambda: self.is_gone("请重输"), 5, "the message box to close")
        checks.true("space on 确定 closes the box", self.is_gone("请重输"))
        checks.equal("the entry is back to 0", sr.text(self.text1()), "0")

    def query_through_the_tree(self):
        sr, checks = self.sr, self.checks
        option2 = self.control("radio button", "出生年")
        sr.do(option2, "Toggle")
        self.sr.wait_until(lambda: "checked" in sr.states(option2), 5, "出生年 selected")
        checks.true("selecting 出生年 unselects 年龄",
                    "checked" not in sr.states(self.control("radio button", "年龄")))
        checks.equal("the entry is now announced with the birth-year prompt", sr.name(self.text1()),
                     "请输入出生年份")
        checks.equal("…and holds 0", sr.text(self.text1()), "0")
        checks.true("the prompt label says the same",
                    self.sr.find(self.form1, "label", "请输入出生年份") is not None)

        # A screen reader user moves to the entry first, then enters the year; the focus has to
        # come from another control for the entry to take four digits in this mode.
        self.focus_main_window()
        self.events.clear()
        sr.do(self.control("push button", "确定"), "SetFocus")
        sr.do(self.text1(), "SetFocus")
        self.wait_focus("text", "请输入出生年份", "the entry takes the focus through the tree")
        self.text1().queryEditableText().setTextContents("1984")
        self.sr.wait_until(lambda: sr.text(self.text1()) == "1984", 5, "the entry 1984")
        sr.do(self.control("push button", "确定"), "Press")
        self.sr.wait_until(lambda: sr.find(self.form1, "image", "鼠"), 5, "the picture of the rat")
        checks.true("1984: the result label reads 鼠", sr.find(self.form1, "label", "鼠") is not None)
        checks.true("1984: the picture is an image named 鼠",
                    sr.find(self.form1, "image", "鼠") is not None)
        checks.true("1984: the picture box no longer says 无图片",
                    sr.find(self.form1, "label", "无图片") is None)

    def popup_menu_is_heard_and_operable(self):
        sr, checks = self.sr, self.checks
        self.focus_main_window()
        focus_before = sr.focused_node(self.form1)
        menu = self.open_menu()
        if not checks.true("a right click on the background opens the popup menu", menu):
            return
        checks.equal("the menu's items, in order", [(sr.role(i), sr.name(i)) for i in sr.children(menu)],
                     [("menu item", caption) for caption in MENU_ITEMS])
        for item in sr.children(menu):
            checks.true(f"{sr.name(item)}: can be chosen", "Press" in sr.actions(item))
        self.press_keys("Down", "Down", "Down", "Down")
        checks.equal("Down reads the items in turn and wraps round", self.events.focus_moves(),
                     [("menu item", caption) for caption in MENU_ITEMS + MENU_ITEMS[:1]])
        self.press_keys("Escape")
        self.sr.wait_until(lambda: self.events.popup_menu is None, 5, "the menu to close")
        checks.equal("Esc closes the menu and the focus goes back where it was", self.heard_focus(),
                     focus_before)

        x, y, w, h = sr.extents(self.control("label", "您的属相是："))
        fx, fy, _, _ = sr.extents(self.form1)
        checks.true("a right click on a label opens no menu",
                    self.open_menu(at=(x - fx + w // 2, y - fy + h // 2)) is None)
        checks.true("a left click on the background opens no menu", self.open_menu(button=1) is None)

    def about_program_dialog(self):
        sr, checks = self.sr, self.checks
        self.focus_main_window()
        self.open_menu()
        self.press_keys("Down", "Return")
        about = self.new_window(ABOUT_PROGRAM_TITLE)
        self.check_window(about, "dialog", ABOUT_PROGRAM, ("push button", "确定"))
        checks.true(f"{ABOUT_PROGRAM_TITLE}: every part is named", not self.unnamed(about), self.unnamed(about))
        self.press_keys("Tab", "Tab", "Tab")
        checks.equal(f"{ABOUT_PROGRAM_TITLE}: Tab order", self.events.focus_moves(), ABOUT_PROGRAM_TAB_CYCLE)

        # Without the Windows registry the tool is never found, and a message says so.
        sr.do(sr.find(about, "push button", "系统信息"), "Press")
        box = self.new_window(PROGRAM_TITLE)
        self.check_box(box, "alert", "此时系统信息不可用", ["确定"], "确定")
        self.press_keys("Return")
        self.sr.wait_until(lambda: self.is_gone(PROGRAM_TITLE), 5, "the message to close")
        checks.true("Enter closes the message", self.is_gone(PROGRAM_TITLE))
        checks.true("系统信息 leaves the dialog open", sr.window_named(self.app, ABOUT_PROGRAM_TITLE))

        self.session.focus(self.x_window_of(ABOUT_PROGRAM_TITLE))
        self.press_keys("Escape")
        self.sr.wait_until(lambda: self.is_gone(ABOUT_PROGRAM_TITLE), 5, "the dialog to close")
        checks.true("Esc closes it", self.is_gone(ABOUT_PROGRAM_TITLE))

        # Again, chosen from the menu through the tree, and closed with Enter.
        self.focus_main_window()
        menu = self.open_menu()
        sr.do(self.menu_item(menu, "关于本软件"), "Press", opens_modal_window=True)
        about = self.new_window(ABOUT_PROGRAM_TITLE)
        self.check_window(about, "dialog", ABOUT_PROGRAM, ("push button", "确定"))
        self.press_keys("Return")
        self.sr.wait_until(lambda: self.is_gone(ABOUT_PROGRAM_TITLE), 5, "the dialog to close")
        checks.true("Enter on 确定 closes it", self.is_gone(ABOUT_PROGRAM_TITLE))

    def about_author_dialog(self):
        sr, checks = self.sr, self.checks
        self.focus_main_window()
        menu = self.open_menu()
        sr.do(self.menu_item(menu, "关于作者"), "Press", opens_modal_window=True)
        author = self.new_window(ABOUT_AUTHOR_TITLE)
        self.check_window(author, "dialog", ABOUT_AUTHOR, ("push button", "百度博客"))
        checks.true(f"{ABOUT_AUTHOR_TITLE}: every part is named", not self.unnamed(author), self.unnamed(author))
        self.press_keys("Tab", "Tab")
        checks.equal(f"{ABOUT_AUTHOR_TITLE}: Tab order", self.events.focus_moves(),
                     [("push button", "主 页"), ("push button", "百度博客")])
        self.press_keys("Escape")
        sr.pump(0.5)
        checks.true("Esc does not close it", sr.window_named(self.app, ABOUT_AUTHOR_TITLE))

        sr.do(sr.find(author, "push button", "主 页"), "Press")
        self.sr.wait_until(lambda: HOME_PAGE in self.pages_opened(), 5, "the home page")
        self.press_keys("space")
        self.sr.wait_until(lambda: BLOG_PAGE in self.pages_opened(), 5, "the blog page")
        checks.equal("主 页 through the tree, then 百度博客 with the space bar, open their pages",
                     self.pages_opened(), [HOME_PAGE, BLOG_PAGE])
        checks.true("…and the dialog stays open", sr.window_named(self.app, ABOUT_AUTHOR_TITLE))

        self.session.ask_to_close(self.x_window_of(ABOUT_AUTHOR_TITLE),
                                  lambda: self.is_gone(ABOUT_AUTHOR_TITLE))
        checks.true("its close box closes it", self.is_gone(ABOUT_AUTHOR_TITLE))

    def plan_notice(self):
        sr, checks = self.sr, self.checks
        self.focus_main_window()
        self.open_menu()
        self.press_keys("Down", "Down", "Down", "Return")
        box = self.new_window(PROGRAM_TITLE)
        self.check_box(box, "alert", PLAN_NOTICE, ["确定"], "确定")
        checks.true("the notice has no icon",
                    not [n for n in sr.descendants(box) if sr.role(n) == "image"
                         and sr.has_state(n, sr.pyatspi.STATE_SHOWING)])
        self.press_keys("Return")
        self.sr.wait_until(lambda: self.is_gone(PROGRAM_TITLE), 5, "the notice to close")
        checks.true("Enter closes it", self.is_gone(PROGRAM_TITLE))

    def close_question_is_read_and_answered(self):
        sr, checks = self.sr, self.checks
        self.focus_main_window()
        self.events.clear()
        self.session.keys("Escape")
        box = self.new_window("退出")
        self.check_box(box, "alert", "真的要退出吗？", ["是(Y)", "否(N)"], "是(Y)")
        self.press_keys("n")
        self.sr.wait_until(lambda: self.is_gone("退出"), 5, "the close question to go")
        checks.true("N answers No: the question goes", self.is_gone("退出"))
        checks.true("…and the program goes on", self.process.poll() is None)
        checks.true("…with Form1 on the screen", sr.window_named(self.app, MAIN_TITLE) is not None)

        sr.do(self.control("push button", "退出"), "Press")
        box = self.new_window("退出")
        sr.do(sr.find(box, "push button", "是(Y)"), "Press")
        try:
            code = self.process.wait(10)
        except Exception:  # noqa: BLE001 - a program that stays is the failure reported here
            code = None
        checks.equal("pressing 是(Y) through the tree ends the program normally", code, 0)


def main():
    arguments = parse_arguments()
    checks = Checks()
    with Session() as session, tempfile.TemporaryDirectory(prefix="web-opener-") as opener:
        os.environ.update(session.env)
        walk = Walk(session, os.path.abspath(arguments.program), arguments.workdir, checks,
                    os.path.join(opener, "opened-pages"))
        try:
            checks.run("Form1 as a screen reader presents it", walk.main_window_is_announced_and_complete)
            checks.run("Tab and Shift+Tab", walk.tab_visits_every_control)
            checks.run("a query with real key presses", walk.query_with_keys)
            checks.run("a refused age, with real key presses", walk.refused_age_with_keys)
            checks.run("a query operated through the accessibility tree", walk.query_through_the_tree)
            checks.run("the popup menu", walk.popup_menu_is_heard_and_operable)
            checks.run("the about-program dialog", walk.about_program_dialog)
            checks.run("the about-author dialog", walk.about_author_dialog)
            checks.run("the plan notice", walk.plan_notice)
            checks.run("the close question", walk.close_question_is_read_and_answered)
        finally:
            walk.events.close()
            stop(walk.process)
    checks.finish()


if __name__ == "__main__":
    main()
