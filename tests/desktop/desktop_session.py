# SPDX-License-Identifier: MIT
"""A private X display with its own session bus and accessibility bus, on which the tests start
the real program and drive it as a person would: with the keyboard and the mouse, and through
what a screen reader sees. Nothing here touches the display or buses of the machine."""

import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

# Variables of the calling environment that would lead the program to another display, bus,
# platform plug-in or scale.
_INHERITED_NOT = re.compile(r"^(DISPLAY|WAYLAND_DISPLAY|DBUS_.*|XDG_.*|QT_.*|AT_SPI_.*|XAUTHORITY|SESSION_MANAGER)$")


class SessionError(RuntimeError):
    pass


def wait_until(condition, timeout, what, interval=0.05):
    """Polls `condition` until it returns something true, and returns that."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise SessionError(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)


class Session:
    """Xvfb, a D-Bus session bus and the AT-SPI bus, started in that order and stopped in the
    reverse. The accessibility bus is launched with accessibility switched on, as a desktop with
    a screen reader does, so that Qt joins it without any variable of its own."""

    def __init__(self, width=1280, height=1024, accessibility=True):
        self.size = (width, height)
        self.accessibility = accessibility
        self.env = {}
        self._processes = []
        self._tmp = None

    # -- starting and stopping ------------------------------------------------------------------

    def __enter__(self):
        self._tmp = tempfile.mkdtemp(prefix="desktop-session-")
        try:
            self._start()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def _start(self):
        runtime = os.path.join(self._tmp, "runtime")
        home = os.path.join(self._tmp, "home")
        os.mkdir(runtime, 0o700)
        os.mkdir(home, 0o700)
        env = {k: v for k, v in os.environ.items() if not _INHERITED_NOT.match(k)}
        env.update(HOME=home, XDG_RUNTIME_DIR=runtime, LANG="C.UTF-8", LC_ALL="C.UTF-8",
                   QT_QPA_PLATFORM="xcb")
        self.home = home

        read_end, write_end = os.pipe()
        width, height = self.size
        self._spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
                     "-nolisten", "tcp", "-noreset"], env, pass_fds=(write_end,))
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + 20
        while not number.endswith(b"\n"):
            if time.monotonic() > deadline:
                raise SessionError("Xvfb did not report its display")
            chunk = os.read(read_end, 16)
            if not chunk:
                raise SessionError("Xvfb ended before it reported its display")
            number += chunk
        os.close(read_end)
        env["DISPLAY"] = ":" + number.decode().strip()

        bus = self._spawn(["dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address=1"],
                          env, stdout=subprocess.PIPE)
        address = bus.stdout.readline().decode().strip()
        if not address:
            raise SessionError("the session bus did not start")
        env["DBUS_SESSION_BUS_ADDRESS"] = address
        self.env = env

        if self.accessibility:
            self._spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately", "--a11y=1"], env)
            wait_until(self._accessibility_bus_up, 20, "the accessibility bus")

    def _accessibility_bus_up(self):
        # Asked without auto-start: a call to org.a11y.Bus itself would let the session bus
        # start a second launcher, without --a11y=1, that may win the name from ours.
        reply = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
                                "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner",
                                "string:org.a11y.Bus"],
                               env=self.env, capture_output=True, text=True)
        return reply.returncode == 0 and "boolean true" in reply.stdout

    def _spawn(self, argv, env, **kwargs):
        # Each helper gets a process group of its own, so that stopping it also stops what it
        # started (the accessibility bus and its registry).
        kwargs.setdefault("stdout", subprocess.DEVNULL)
        process = subprocess.Popen(argv, env=env, stderr=subprocess.DEVNULL, start_new_session=True,
                                   **kwargs)
        self._processes.append(process)
        return process

    def __exit__(self, *exc):
        # A helper that is gone before the end explains failures that would otherwise puzzle.
        for process in self._processes:
            if process.poll() is not None:
                print(f"note: {process.args[0]} ended early, with code {process.returncode}",
                      file=sys.stderr)
        for process in reversed(self._processes):
            _stop_group(process)
        self._processes.clear()
        if self._tmp:
            shutil.rmtree(self._tmp, ignore_errors=True)
        return False

    # -- the program ---------------------------------------------------------------------------

    def start(self, argv, cwd, extra_env=None, strace_log=None, strace_calls=()):
        """Starts a program on this display and returns its Popen. Under strace, each thread's
        calls go to a file of their own, `strace_log`.PID, so that no line is split."""
        env = dict(self.env)
        env.update(extra_env or {})
        if strace_log:
            argv = ["strace", "-ff", "-qq", "-s", "4096", "-o", strace_log,
                    "-e", "trace=" + ",".join(strace_calls)] + list(argv)
        return subprocess.Popen(argv, cwd=cwd, env=env, start_new_session=True)

    # -- X windows, keys and the pointer ---------------------------------------------------------

    def xdotool(self, *args, timeout=20):
        result = subprocess.run(["xdotool", *map(str, args)], env=self.env, capture_output=True,
                                text=True, timeout=timeout)
        return result.stdout.strip() if result.returncode == 0 else None

    def windows(self, name, pid=None):
        """The visible windows whose title matches the regular expression `name`. Titles are
        compared here, not by xdotool, whose own matching does not work for Chinese titles."""
        args = ["search", "--onlyvisible", "--name", ""]
        if pid:
            args[1:1] = ["--pid", pid]
        found = self.xdotool(*args)
        matching = []
        for window in (int(w) for w in (found or "").split()):
            title = self.xdotool("getwindowname", window)
            if title is not None and re.search(name, title):
                matching.append(window)
        return matching

    def wait_for_window(self, name, pid=None, timeout=30):
        return wait_until(lambda: self.windows(name, pid), timeout, f"a window named {name!r}")[0]

    def geometry(self, window):
        """(x, y, width, height) of a window, in the screen's pixels."""
        shell = self.xdotool("getwindowgeometry", "--shell", window)
        values = dict(line.split("=", 1) for line in shell.splitlines())
        return tuple(int(values[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))

    def focus(self, window):
        """Gives a window the keyboard focus: with no window manager, nothing else will."""
        self.xdotool("windowfocus", "--sync", window, timeout=10)

    def keys(self, *names):
        for name in names:
            self.xdotool("key", name)
            time.sleep(0.05)

    def type(self, text):
        self.xdotool("type", "--delay", "60", text)

    def click(self, window, x, y, button=1):
        """Clicks at (x, y) inside a window. `mousemove --sync` is not used: it waits for a
        motion event that never comes when the pointer is already there."""
        left, top, _, _ = self.geometry(window)
        self.xdotool("mousemove", left + x, top + y)
        time.sleep(0.1)
        self.xdotool("click", button)

    def close_window(self, window):
        """Asks a window to close as a window manager's close box does: with the message
        WM_DELETE_WINDOW, which xdotool of Debian 12 cannot send."""
        from Xlib import X, display, protocol

        connection = display.Display(self.env["DISPLAY"])
        try:
            target = connection.create_resource_object("window", window)
            message = protocol.event.ClientMessage(
                window=target, client_type=connection.intern_atom("WM_PROTOCOLS"),
                data=(32, [connection.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
            target.send_event(message, event_mask=X.NoEventMask)
            connection.flush()
        finally:
            connection.close()

    def ask_to_close(self, window, answered, attempts=3):
        """Sends close requests until `answered()` is true. Qt 6.4 under Xvfb now and then lets
        the first request to a dialog or message box go unanswered; a person would click the
        close box again, and so does this, saying so."""
        for _ in range(attempts):
            self.close_window(window)
            try:
                return wait_until(answered, 2, "an answer to the close request")
            except SessionError:
                print("note: a close request went unanswered; asking again", file=sys.stderr)
        raise SessionError(f"window {window} answered none of {attempts} close requests")

    def screenshot(self, window=None):
        """The screen, or one window of it, as a PIL image."""
        from PIL import ImageGrab

        image = ImageGrab.grab(xdisplay=self.env["DISPLAY"])
        if window is None:
            return image
        x, y, width, height = self.geometry(window)
        return image.crop((x, y, x + width, y + height))


def _stop_group(process, grace=5):
    if process.poll() is None:
        try:
            os.killpg(process.pid, signal.SIGTERM)
        except ProcessLookupError:
            pass
        try:
            process.wait(grace)
        except subprocess.TimeoutExpired:
            try:
                os.killpg(process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            process.wait()
    if process.stdout:
        process.stdout.close()


def stop(process, grace=5):
    """Ends a program that `Session.start` started, and everything it started."""
    _stop_group(process, grace)
