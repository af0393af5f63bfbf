# SPDX-License-Identifier: MIT
"""What a screen reader sees of a running program, through AT-SPI: its accessible tree, the
events it sends, and the actions it offers. Import this only after the session's DISPLAY and
DBUS_SESSION_BUS_ADDRESS are in os.environ: the AT-SPI library reads them when it loads."""

import re
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402
import pyatspi  # noqa: E402

from desktop_session import SessionError  # noqa: E402

# The states a screen reader speaks, in the words it uses.
SPOKEN_STATES = {
    pyatspi.STATE_CHECKED: "checked",
    pyatspi.STATE_FOCUSED: "focused",
    pyatspi.STATE_IS_DEFAULT: "default",
    pyatspi.STATE_EDITABLE: "editable",
}

# Roles that only group others; a screen reader passes over them when they have no name.
STRUCTURAL_ROLES = {"panel", "filler"}


def pump(seconds=0.0):
    """Lets AT-SPI deliver the events that arrived, for at least `seconds`."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while True:
        while context.iteration(False):
            pass
        if time.monotonic() >= deadline:
            return
        time.sleep(0.02)


def wait_until(condition, timeout=10, what="a condition"):
    deadline = time.monotonic() + timeout
    while True:
        pump()
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise SessionError(f"timed out after {timeout} s waiting for {what}")
        time.sleep(0.05)


def application(pid, timeout=20):
    """The program's node on the accessibility bus, with caching switched off: a cached name or
    state goes stale as soon as the program changes it."""

    def find():
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            try:
                if app is not None and app.get_process_id() == pid and app.childCount > 0:
                    return app
            except GLib.Error:
                continue
        return None

    app = wait_until(find, timeout, f"process {pid} on the accessibility bus")
    app.set_cache_mask(Atspi.Cache.NONE)
    return app


def role(node):
    return node.getRoleName()


def name(node):
    return node.name or ""


def text(node):
    try:
        return node.queryText().getText(0, -1)
    except NotImplementedError:
        return None


def states(node):
    state_set = node.getState()
    return {word for state, word in SPOKEN_STATES.items() if state_set.contains(state)}


def has_state(node, state):
    return node.getState().contains(state)


def actions(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def key_binding(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return ""
    return action.getKeyBinding(0) if action.nActions else ""


def extents(node):
    """(x, y, width, height) on the screen."""
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return (box.x, box.y, box.width, box.height)


def do(node, action_name, opens_modal_window=False):
    """Runs one of the node's actions, as a screen reader's command does. Qt answers a menu
    item's action only when the action's handler returns, which for a modal dialog is when the
    dialog closes; AT-SPI gives up waiting for that answer after a short while, as a screen
    reader does, and the dialog is there all the same."""
    action = node.queryAction()
    for index in range(action.nActions):
        if action.getName(index) == action_name:
            try:
                return action.doAction(index)
            except GLib.Error as error:
                if opens_modal_window and "Did not receive a reply" in error.message:
                    return None
                raise
    raise SessionError(f"{role(node)} {name(node)!r} has no action {action_name!r}: {actions(node)}")


def focused_node(window):
    """(role, name) of the control of a window that has the focus, or None."""
    for node in descendants(window):
        if has_state(node, pyatspi.STATE_FOCUSED):
            return (role(node), name(node))
    return None


def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def descendants(node):
    for child in children(node):
        if child is None:
            continue
        yield child
        yield from descendants(child)


def find(node, role_name, accessible_name=None):
    """The first descendant with this role (and name, when given)."""
    for candidate in descendants(node):
        if role(candidate) == role_name and (accessible_name is None or name(candidate) == accessible_name):
            return candidate
    return None


def windows(app):
    """The program's top-level windows that are on the screen."""
    return [w for w in children(app) if w is not None and has_state(w, pyatspi.STATE_SHOWING)]


def window_named(app, window_name):
    for window in windows(app):
        if name(window) == window_name:
            return window
    return None


def find_window(app, pattern):
    """The first window on the screen whose name matches the regular expression."""
    for window in windows(app):
        if re.search(pattern, name(window)):
            return window
    return None


def spoken(node):
    """Roughly what a screen reader says when it lands on a node: its name, its role, its
    states, the text of a text box, and the tooltip."""
    parts = [name(node) or "(no name)", role(node)]
    parts += sorted(states(node) - {"focused"})
    content = text(node)
    if content is not None and role(node) == "text":
        parts.append(f"text {content!r}")
    if node.description:
        parts += ["—", node.description]
    return " ".join(parts)


def outline(window):
    """One line per node of a window, indented by depth: what a screen reader user can reach."""
    lines = []

    def walk(node, depth):
        lines.append("  " * depth + spoken(node))
        for child in children(node):
            if child is not None:
                walk(child, depth + 1)

    walk(window, 0)
    return lines


class EventRecorder:
    """Collects the events a screen reader reacts to: focus moves, windows and menus that appear."""

    KINDS = ("object:state-changed:focused", "object:state-changed:showing",
             "object:state-changed:checked", "object:property-change:accessible-name",
             "window:activate", "window:create", "object:selection-changed")

    def __init__(self):
        self.events = []
        # Popup menus are not in the tree; the event that shows one is the only way to it.
        self.popup_menu = None
        pyatspi.Registry.registerEventListener(self._record, *self.KINDS)

    def _record(self, event):
        try:
            entry = (event.type, role(event.source), name(event.source), event.detail1)
        except GLib.Error:
            return  # the source went away before it could be asked
        self.events.append(entry)
        if entry[:2] == ("object:state-changed:showing", "popup menu"):
            self.popup_menu = event.source if entry[3] == 1 else None

    def clear(self):
        pump(0.1)
        self.events.clear()

    def focus_moves(self):
        """(role, name) of each node that received the focus, in order."""
        return [(r, n) for kind, r, n, gained in self.events
                if kind == "object:state-changed:focused" and gained == 1]

    def wait_for(self, predicate, timeout=10, what="an event"):
        def matching():
            return [e for e in self.events if predicate(*e)]

        return wait_until(matching, timeout, what)

    def close(self):
        pyatspi.Registry.deregisterEventListener(self._record, *self.KINDS)
