#!/bin/bash
# Checks that a release can be rebuilt bit for bit: runs scripts/release.sh in two fresh clones
# of the current commit that differ in their folders, their build time (a minute apart at
# least), the umask (022, 002) and the time zone (UTC, Asia/Shanghai), and tells for each file
# of dist/ whether the two are identical; for those that are not, diffoscope's summary.
# Usage: tools/check-reproducible.sh [WORK_FOLDER]   (the clones stay there for a closer look)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh git
commit=$(git rev-parse HEAD)
work=$(realpath -m "${1:-$(mktemp -d /tmp/moltrava-reproducible.XXXXXX)}")
first=$work/first/moltrava
second=$work/second-clone/in/another/folder/moltrava
rm -rf "$work/first" "$work/second-clone"
mkdir -p "$work"
# Clones and builds under the umask given, so that the checked-out files' modes differ too.
release() { # CLONE UMASK TIME_ZONE LOG
    echo "== a build with umask $2, time zone $3, in $1"
    (umask "$2" && git clone -q --no-local . "$1" && cd "$1" && git checkout -q --detach "$commit" &&
        TZ=$3 bash scripts/release.sh) >"$4" 2>&1 || { tail -n 30 "$4"; exit 1; }
}
started=$(date +%s)
release "$first" 022 UTC "$work/first.log"
sleep $((60 - ($(date +%s) - started) > 0 ? 60 - ($(date +%s) - started) : 0))
release "$second" 002 Asia/Shanghai "$work/second.log"

echo "== the two dist/ folders of $commit"
differing=0
for file in $( (ls "$first/dist"; ls "$second/dist") | sort -u); do
    if cmp -s "$first/dist/$file" "$second/dist/$file"; then
        echo "identical: $file"
    else
        echo "DIFFERENT: $file"
        differing=$((differing + 1))
        if [ -e "$first/dist/$file" ] && [ -e "$second/dist/$file" ]; then
            bash scripts/install-deps.sh diffoscope
            diffoscope --no-progress --text - "$first/dist/$file" "$second/dist/$file" | head -n 60 || true
        fi
    fi
done
echo "SHA256SUMS of the first build:"
cat "$first/dist/SHA256SUMS"
echo "SHA256SUMS of the second build:"
cat "$second/dist/SHA256SUMS"
if [ "$differing" -ne 0 ]; then
    echo "not reproducible: $differing file(s) differ"
    exit 1
fi
echo "reproducible: every file of dist/ is identical"
