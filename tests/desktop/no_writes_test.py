# SPDX-License-Identifier: MIT
"""Runs the program under strace while a person uses it with the keyboard and the mouse (a
query, a refused entry, the about-program dialog and its 系统信息, the about-author dialog, the
plan notice, the close question answered No and then Yes) and checks that it writes no file: nothing
opened for writing, created, renamed or removed, apart from what the toolkit keeps in /tmp; and
that it looks for no configuration file of its own."""

import argparse
import os
import sys
import tempfile

import file_activity
import keyboard_scenarios as keys
from checks import Checks
from desktop_session import Session, stop


def listing(folder):
    return sorted(os.path.relpath(os.path.join(root, name), folder)
                  for root, dirs, files in os.walk(folder) for name in dirs + files)


def inside(path, folder):
    return os.path.commonpath([path, folder]) == folder


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--program", required=True)
    parser.add_argument("--workdir", required=True, help="the folder that holds 生肖图片")
    arguments = parser.parse_args()
    program = os.path.abspath(arguments.program)
    workdir = os.path.abspath(arguments.workdir)
    checks = Checks()

    with tempfile.TemporaryDirectory(prefix="no-writes-") as logs, Session() as session:
        before = listing(workdir)
        log = os.path.join(logs, "strace")
        process = session.start([program], cwd=workdir, strace_log=log,
                                strace_calls=file_activity.TRACED_CALLS)
        try:
            window = keys.main_window(session, process)
            keys.query_birth_year(session, window, 1984)
            keys.refuse_an_age(session, window, process)
            keys.visit_about_program(session, window, process)
            keys.visit_about_author(session, window, process)
            keys.read_plan_notice(session, window, process)
            code = keys.quit_program(session, window, process)
        finally:
            stop(process)
        checks.equal("the program ends normally after Yes", code, 0)

        calls = file_activity.parse(log)
        print(f"  {len(calls)} file calls traced")

        def absolute(path):
            return os.path.normpath(os.path.join(workdir, path))

        picture = os.path.join(workdir, "生肖图片", "鼠1.jpg")
        checks.true("the query read its picture 生肖图片/鼠1.jpg",
                    any(c.succeeded and not c.changes_files and absolute(c.paths[0]) == picture
                        for c in calls if c.paths))

        home = session.home
        changes = [c for c in calls if c.changes_files]
        for c in changes:
            print("  writes or creates: " + c.line)

        def allowed(call):
            # The toolkit may keep sockets and caches in /tmp (the session's runtime folder is
            # there), but not in the user's home, nor next to the pictures.
            targets = [absolute(p) for p in call.paths]
            return all(inside(t, "/tmp") and not inside(t, home) and not inside(t, workdir)
                       for t in targets)

        checks.equal("nothing written, created, renamed or removed outside /tmp",
                     [c.line for c in changes if c.succeeded and not allowed(c)], [])
        checks.equal("nothing even tried outside /tmp",
                     [c.line for c in changes if not c.succeeded and not allowed(c)], [])
        checks.equal("the pictures' folder is as it was", listing(workdir), before)
        checks.equal("the home folder is still empty", listing(home), [])

        # The toolkit looks next to the executable for its own qt.conf; that folder and the
        # pictures' folder may have any name.
        own = [c.line for c in calls for p in c.paths
               if "moltrava" in absolute(p).lower() and absolute(p) != program
               and not inside(absolute(p), workdir) and not inside(absolute(p), os.path.dirname(program))]
        checks.equal("no file named after the program is looked for (no configuration)", own, [])
    checks.finish()


if __name__ == "__main__":
    sys.exit(main())
