#!/bin/bash
# Installs the Debian packages this project needs and are missing; does nothing when all are
# there. Usage: install-deps.sh run|test|release|PACKAGE...
set -euo pipefail

run_packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libgl-dev qt6-translations-l10n
    # The two faces that stand in for the windows' Chinese fonts (ui/layout/faces.h).
    fonts-arphic-gbsn00lp fonts-wqy-microhei
)
test_packages=(
    "${run_packages[@]}"
    # Unversioned, so that each Debian release brings its own LLVM.
    clang libclang-rt-dev
    libgtest-dev googletest
    xvfb xauth
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 icoutils locales
    # The caption buttons' font that cmake/wine-run.sh copies, and the Windows installer.
    fonts-wine nsis
    # Installation, the Debian package and the desktop tests (tests/desktop).
    dpkg-dev file lintian desktop-file-utils appstream
    python3-pytest strace dbus at-spi2-core python3-pyatspi python3-pil python3-xlib xdotool
    python3-debian
)
# What scripts/release.sh builds: the Linux program and its package, the Windows program, its
# installer and ZIP, and the source archive.
release_packages=(
    "${run_packages[@]}"
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 nsis dpkg-dev file git
)

case "${1:-}" in
    run) wanted=("${run_packages[@]}") ;;
    test) wanted=("${test_packages[@]}") ;;
    release) wanted=("${release_packages[@]}") ;;
    "") echo "usage: $0 run|test|release|PACKAGE..." >&2; exit 2 ;;
    *) wanted=("$@") ;;
esac

missing=()
for package in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed$'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
    echo "Some packages are missing; run this as root, or install them: ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
# Other work on the same machine may hold the package database for a while.
apt-get -o DPkg::Lock::Timeout=600 update -qq
apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
