#!/bin/bash
# Installs what is missing and builds every artifact of a release from the committed tree, in
# build folders of its own, into dist/: the Debian package, the Windows installer and portable
# ZIP, a source archive of the commit, and SHA256SUMS over them. Two runs of the same commit give
# the same bytes, wherever the tree is and whenever it is built (tools/check-reproducible.sh).
# Usage: release.sh [--allow-dirty]   (--allow-dirty builds uncommitted changes too; the source
# archive is the commit's all the same)
set -euo pipefail
cd "$(dirname "$0")/.."
case "${1:-}" in
    --allow-dirty) allow_dirty=yes ;;
    "") allow_dirty=no ;;
    *) echo "usage: $0 [--allow-dirty]" >&2; exit 2 ;;
esac
bash scripts/install-deps.sh release
if [ "$allow_dirty" = no ] && [ -n "$(git status --porcelain)" ]; then
    echo "The tree has uncommitted changes; commit them, or pass --allow-dirty." >&2
    exit 1
fi

# Every time stamp written into an artifact is the last commit's, unless one is given; the
# compilers, rcc, CPack and the archives read it from here.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
# One sort order for the file names that the archives list.
export LC_ALL=C.UTF-8
version=$(sed -n 's/^project(moltrava VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
jobs=$(nproc)
# Build paths stay out of the programs and their debug information: the tree is ".".
flags="-ffile-prefix-map=$PWD=."
common=(-G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
    -DMOLTRAVA_BUILD_BENCHMARKS=OFF "-DCMAKE_CXX_FLAGS=$flags")

rm -rf dist
mkdir -p dist
echo "== the Debian package"
cmake -S . -B build/release-linux "${common[@]}" >/dev/null
cmake --build build/release-linux -j "$jobs"
# CPack gives the package's members (debian-binary, control.tar.gz, data.tar.gz) the modes that
# the umask gives the files it writes for them; dpkg-deb would give 0644 whatever it is.
(umask 022 && cd build/release-linux && cpack -G DEB -B "$PWD/package" >/dev/null)
cp build/release-linux/package/moltrava_*.deb dist/

echo "== the Windows installer and ZIP"
cmake -S . -B build/release-windows "${common[@]}" --toolchain cmake/mingw-w64.cmake \
    -DMOLTRAVA_FRONT_END=win32 >/dev/null
cmake --build build/release-windows -j "$jobs"
(cd build/release-windows && cpack -G NSIS -B "$PWD/package" >/dev/null)
cp build/release-windows/package/moltrava-*-win64.exe dist/
# The ZIP holds what `cpack -G ZIP` would, but CPack lists the files in the order the file system
# gives them; here they are sorted by name, and each has the commit's time and a fixed mode.
zip_root=build/release-windows/zip
rm -rf "$zip_root"
cmake --install build/release-windows --prefix "$zip_root/moltrava-$version-win64" >/dev/null
python3 - "$zip_root" "dist/moltrava-$version-win64.zip" <<'PYTHON'
import os, sys, time, zipfile
root, archive = sys.argv[1:]
# A ZIP holds local times from 1980 on; the commit's time in UTC is given for all.
stamp = time.gmtime(max(int(os.environ["SOURCE_DATE_EPOCH"]), 315532800))[:6]
entries = []
for folder, folders, files in os.walk(root):
    entries += [os.path.join(folder, name) + "/" for name in folders]
    entries += [os.path.join(folder, name) for name in files]
with zipfile.ZipFile(archive, "w") as output:
    for path in sorted(entries, key=lambda path: path.encode()):
        info = zipfile.ZipInfo(os.path.relpath(path, root) + ("/" if path.endswith("/") else ""), stamp)
        if path.endswith("/"):
            info.external_attr = (0o40755 << 16) | 0x10
            output.writestr(info, b"")
        else:
            info.external_attr = (0o100755 if os.access(path, os.X_OK) else 0o100644) << 16
            info.compress_type = zipfile.ZIP_DEFLATED
            with open(path, "rb") as source:
                output.writestr(info, source.read(), compresslevel=9)
PYTHON

echo "== the source archive"
git archive --format=tar.gz --prefix="moltrava-$version/" -o "dist/moltrava-$version.tar.gz" HEAD

(cd dist && sha256sum -- * >SHA256SUMS && cat SHA256SUMS)
