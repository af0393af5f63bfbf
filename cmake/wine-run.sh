#!/bin/bash
# SPDX-License-Identifier: MIT
# Runs a Windows program under Wine in a prefix of its own:
#   wine-run.sh PREFIX PROGRAM [ARGUMENT...]   runs the program, creating the prefix if needed
#   wine-run.sh PREFIX --stop                  stops the prefix's wine server and its helpers
# A prefix whose folder name ends in "-display" draws on the X display; any other uses Wine's
# null graphics driver, which needs no display. The wine server is kept running between
# programs, and its helper processes are started with their standard streams detached:
# otherwise they inherit the streams of the program being run and hold them open after it ends,
# and CTest waits for them.
set -euo pipefail
prefix=$(realpath -m "$1") # Wine wants it absolute
shift
# Wine's home beside its prefix, so that nothing of it lands in the user's: Wine links the
# prefix's user folders there. Its menu builder, which writes desktop entries, and the
# downloads of .NET and Gecko, which none of these programs needs, are off.
export WINEPREFIX=$prefix WINEDEBUG=-all HOME=$prefix-home
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

if [ "${1:-}" = --stop ]; then
    wineserver -k 2>/dev/null || true
    wineserver -w
    exit 0
fi

# The Chinese locale gives the ANSI code page 936, for the double-byte tests; compiled beside the
# prefix, so that Wine can also name files in UTF-8 where the system lacks that locale.
locales=$prefix-locales
run=(env LOCPATH="$locales" LC_ALL=zh_CN.UTF-8 wine)

# What the prefix needs besides Wine's defaults, written when it is first made and again when this
# list changes, in the locale it runs with: the Chinese faces the windows ask for, mapped to the
# Debian faces that stand in for them (and Wine's own dialog faces with them); windows that close at
# once without a window manager; a program that crashes ends, rather than wait in a debugger; the
# Windows that the program needs, 10, which the installer checks for (Wine 8 reports Windows 7
# unless told, though it has the Windows 10 functions that the program imports); and the null driver
# where no display is wanted.
settings() {
    cat <<'REG'
Windows Registry Editor Version 5.00

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]
"宋体"="AR PL SungtiL GB"
"新宋体"="AR PL SungtiL GB"
"黑体"="WenQuanYi Micro Hei"
"幼圆"="WenQuanYi Micro Hei"
"方正水柱简体"="WenQuanYi Micro Hei"
"MS Shell Dlg"="WenQuanYi Micro Hei"
"MS Shell Dlg 2"="WenQuanYi Micro Hei"
"Tahoma"="WenQuanYi Micro Hei"

[HKEY_CURRENT_USER\Software\Wine]
"Version"="win10"

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\AeDebug]
"Debugger"=""
REG
    case "$prefix" in
    *-display) ;;
    *) printf '\n[HKEY_CURRENT_USER\\Software\\Wine\\Drivers]\n"Graphics"="null"\n' ;;
    esac
}

mkdir -p "$prefix" "$HOME"
{
    flock 9
    if [ ! -e "$locales/zh_CN.UTF-8/LC_CTYPE" ]; then
        mkdir -p "$locales"
        localedef -i zh_CN -f UTF-8 "$locales/zh_CN.UTF-8" >/dev/null 2>&1 ||
            [ -e "$locales/zh_CN.UTF-8/LC_CTYPE" ]
    fi
    # Exit status 0: this call started the server, so its helpers are not running yet.
    if wineserver -p60 </dev/null >/dev/null 2>&1 9>&-; then
        "${run[@]}" cmd.exe /c exit </dev/null >/dev/null 2>&1 9>&-
    fi
    if [ "$(cat "$prefix/.moltrava-settings" 2>/dev/null)" != "$(settings | md5sum)" ]; then
        settings | iconv -f UTF-8 -t UTF-16 >"$prefix/drive_c/users/Public/moltrava.reg"
        "${run[@]}" regedit /S 'C:\users\Public\moltrava.reg' </dev/null >/dev/null 2>&1 9>&-
        rm "$prefix/drive_c/users/Public/moltrava.reg"
        cp /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/" # caption buttons
        wineserver -k 2>/dev/null || true # the settings take effect at the next start
        wineserver -w
        wineserver -p60 </dev/null >/dev/null 2>&1 9>&-
        "${run[@]}" cmd.exe /c exit </dev/null >/dev/null 2>&1 9>&-
        settings | md5sum >"$prefix/.moltrava-settings"
    fi
} 9>"$prefix.lock"
exec "${run[@]}" "$@"
