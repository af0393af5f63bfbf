# SPDX-License-Identifier: MIT
"""Installs the Debian package with apt-get, starts the installed program the way its desktop
entry says (in its Path=, with its Exec=) on a private display, runs a query with the keyboard,
checks that the picture was read from the installed folder, quits, and removes the package."""

import argparse
import configparser
import glob
import os
import shlex
import subprocess
import sys
import tempfile

import file_activity
import keyboard_scenarios as keys
from checks import Checks
from desktop_session import Session, stop

APP_ID = "io.github.moltrava.Moltrava"
SKIPPED = 77  # CTest's SKIP_RETURN_CODE for this test


def apt_get(*args):
    env = dict(os.environ, DEBIAN_FRONTEND="noninteractive")
    command = ["apt-get", "-o", "DPkg::Lock::Timeout=300", "-y", *args]
    print("  $ " + " ".join(command), flush=True)
    return subprocess.run(command, env=env, capture_output=True, text=True)


def installed():
    status = subprocess.run(["dpkg-query", "-W", "-f=${Status}", "moltrava"], capture_output=True, text=True)
    return status.stdout.strip() == "install ok installed"


def desktop_entry(path):
    parser = configparser.ConfigParser(interpolation=None, strict=False)
    parser.optionxform = str  # keys are case-sensitive
    parser.read(path, encoding="utf-8")
    return parser["Desktop Entry"]


def run_installed_program(checks, entry):
    """Starts the program as a desktop would from the entry and runs a query."""
    argv = [a for a in shlex.split(entry["Exec"]) if not a.startswith("%")]
    workdir = entry["Path"]
    with tempfile.TemporaryDirectory(prefix="installed-") as logs, Session(accessibility=False) as session:
        log = os.path.join(logs, "strace")
        process = session.start(argv, cwd=workdir, strace_log=log, strace_calls=["openat"])
        try:
            window = keys.main_window(session, process)
            checks.true("Form1 opens", window is not None)
            keys.query_birth_year(session, window, 1984)
            code = keys.quit_program(session, window, process)
        finally:
            stop(process)
        checks.equal("the program ends normally after the close question", code, 0)
        picture = os.path.join(workdir, "生肖图片", "鼠1.jpg")
        opened = [c for c in file_activity.parse(log) if c.paths and c.succeeded
                  and os.path.normpath(os.path.join(workdir, c.paths[0])) == picture]
        checks.true(f"the query for 1984 read {picture}", opened)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--package-dir", required=True, help="where CPack wrote moltrava_*.deb")
    arguments = parser.parse_args()
    if os.geteuid() != 0:
        print("installing a package needs root; skipped")
        return SKIPPED
    packages = sorted(glob.glob(os.path.join(arguments.package_dir, "moltrava_*.deb")))
    if len(packages) != 1:
        print(f"expected one package in {arguments.package_dir}, found {packages}")
        return 1
    package = os.path.abspath(packages[0])
    checks = Checks()

    checks.section("the package's dependencies")
    depends = subprocess.run(["dpkg-deb", "-f", package, "Depends"], capture_output=True, text=True).stdout
    print("  Depends: " + depends.strip())
    for needed in ("fonts-noto-cjk", "fonts-arphic-ukai", "libqt6widgets6", "libqt6gui6", "libc6"):
        checks.true(f"depends on {needed}", needed in depends)

    if installed():
        print("  moltrava was installed before this test; it is replaced and removed at the end")
    try:
        checks.section("apt-get install")
        result = apt_get("install", "--no-install-recommends", package)
        checks.equal("apt-get installs the package", result.returncode, 0) or print(result.stdout + result.stderr)
        checks.true("dpkg counts it as installed", installed())

        entry_path = f"/usr/share/applications/{APP_ID}.desktop"
        checks.true("the desktop entry is installed", os.path.isfile(entry_path))
        entry = desktop_entry(entry_path)
        print(f"  Exec={entry.get('Exec')}  Path={entry.get('Path')}")
        checks.equal("the entry starts the program in the pictures' folder", entry.get("Path"),
                     "/usr/share/moltrava")
        checks.equal("twelve pictures are installed there",
                     len(glob.glob("/usr/share/moltrava/生肖图片/*1.jpg")), 12)
        checks.true(f"the icon {APP_ID} is in the hicolor theme",
                    os.path.isfile(f"/usr/share/icons/hicolor/scalable/apps/{APP_ID}.svg")
                    and os.path.isfile(f"/usr/share/icons/hicolor/128x128/apps/{APP_ID}.png"))

        checks.section("the installed program, started from its desktop entry")
        checks.run("start, query 1984, quit", run_installed_program, checks, entry)
    finally:
        checks.section("apt-get purge")
        result = apt_get("purge", "moltrava")
        checks.equal("apt-get removes the package", result.returncode, 0) or print(result.stdout + result.stderr)
        checks.true("it is gone", not installed() and not os.path.exists("/usr/share/moltrava"))
    checks.finish()


if __name__ == "__main__":
    sys.exit(main())
