# SPDX-License-Identifier: MIT
"""Reads what strace recorded of a program's dealings with files: which paths it opened, with
which flags, and what it created, renamed or removed."""

import codecs
import glob
import re
from dataclasses import dataclass

# The calls that open, create, rename or remove a path.
TRACED_CALLS = ["open", "openat", "openat2", "creat", "rename", "renameat", "renameat2", "unlink",
                "unlinkat", "mkdir", "mkdirat", "link", "linkat", "symlink", "symlinkat", "truncate"]

# Calls that change the file system whatever their flags.
_CHANGING_CALLS = {"creat", "rename", "renameat", "renameat2", "unlink", "unlinkat", "mkdir",
                   "mkdirat", "link", "linkat", "symlink", "symlinkat", "truncate"}
_WRITING_FLAGS = {"O_WRONLY", "O_RDWR", "O_CREAT", "O_TRUNC", "O_APPEND", "O_TMPFILE"}

_LINE = re.compile(r'^(?P<call>\w+)\((?P<args>.*)\)\s+=\s+(?P<result>-?\d+|\?)(?P<rest>.*)$')
_STRING = re.compile(r'"((?:[^"\\]|\\.)*)"')


@dataclass
class FileCall:
    call: str
    paths: list
    flags: set
    succeeded: bool
    line: str

    @property
    def changes_files(self):
        """True when the call writes, creates, renames or removes something."""
        return self.call in _CHANGING_CALLS or bool(self.flags & _WRITING_FLAGS)


def _decode(quoted):
    """strace writes bytes outside ASCII as octal escapes; file names here are UTF-8."""
    raw = codecs.escape_decode(quoted.encode("ascii", "backslashreplace"))[0]
    return raw.decode("utf-8", "replace")


def parse(log_prefix):
    """The file calls in the logs that `strace -ff -o log_prefix` wrote, one file a thread."""
    calls = []
    for path in sorted(glob.glob(glob.escape(log_prefix) + ".*")):
        with open(path, encoding="ascii", errors="replace") as log:
            for line in log:
                match = _LINE.match(line.strip())
                if not match:
                    continue
                args = match["args"]
                paths = [_decode(s) for s in _STRING.findall(args)]
                flags = set(re.findall(r"\bO_[A-Z]+\b", args))
                result = match["result"]
                calls.append(FileCall(match["call"], paths, flags,
                                      result != "?" and int(result) >= 0, line.strip()))
    return calls
