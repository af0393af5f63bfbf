#!/bin/bash
# SPDX-License-Identifier: MIT
# Runs a Windows program under Wine in a prefix of its own:
#   wine-run.sh PREFIX PROGRAM [ARGUMENT...]   runs the program, creating the prefix if needed
#   wine-run.sh PREFIX --stop                  stops the prefix's wine server and its helpers
# The wine server is kept running between programs, and its helper processes are started with
# their standard streams detached: otherwise they inherit the streams of the program being run
# and hold them open after it ends, and CTest waits for them.
set -euo pipefail
prefix=$(realpath -m "$1") # Wine wants it absolute
shift
export WINEPREFIX=$prefix WINEDEBUG=-all

if [ "${1:-}" = --stop ]; then
    wineserver -k 2>/dev/null || true
    wineserver -w
    exit 0
fi

# The Chinese locale gives the ANSI code page 936, for the double-byte tests; compiled beside the
# prefix, so that Wine can also name files in UTF-8 where the system lacks that locale.
locales=$prefix-locales
run=(env LOCPATH="$locales" LC_ALL=zh_CN.UTF-8 wine)
mkdir -p "$prefix"
{
    flock 9
    if [ ! -e "$locales/zh_CN.UTF-8/LC_CTYPE" ]; then
        mkdir -p "$locales"
        localedef -i zh_CN -f UTF-8 "$locales/zh_CN.UTF-8" >/dev/null 2>&1 ||
            [ -e "$locales/zh_CN.UTF-8/LC_CTYPE" ]
    fi
    # Exit status 0: this call started the server, so its helpers are not running yet.
    if wineserver -p60 </dev/null >/dev/null 2>&1 9>&-; then
        WINEDLLOVERRIDES="mscoree,mshtml=" "${run[@]}" cmd.exe /c exit </dev/null >/dev/null 2>&1 9>&-
    fi
} 9>"$prefix.lock"
exec "${run[@]}" "$@"
