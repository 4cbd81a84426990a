#!/usr/bin/env bash
# gridwick.exe, the zip and the MSI built a second time from the same tracked files, varied as
# another machine varies a build: another source folder, clock (five days on, by faketime), time
# zone, umask and locale. Their SHA256SUMS must be the first build's; for a file that differs,
# diffoscope's first lines say where.
# Usage: rebuilt_alike.sh SOURCE_DIR FIRST_BUILD_DIR
set -euo pipefail
source=$(realpath "$1")
first=$(realpath "$2")
again=$(mktemp -d /tmp/gridwick-again.XXXXXX)
trap 'rm -rf "$again"' EXIT
copy=$again/elsewhere/gridwick
mkdir -p "$copy/build/qt6-windows"
git -C "$source" ls-files -z | tar -C "$source" --null -T - -c | tar -x -C "$copy"
cp -a "$source/build/qt6-windows/qt6-win" "$copy/build/qt6-windows/"
(
    cd "$copy"
    umask 0002
    export TZ=Pacific/Kiritimati LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8
    # The clock alone: unasked, libfaketime also shifts the times that files report, which
    # another machine's clock would not.
    NO_FAKE_STAT=1 faketime -f +5d bash -c 'cmake --preset windows -DBUILD_TESTING=OFF -DGRIDWICK_BUILD_BENCHMARKS=OFF &&
        cmake --build --preset windows'
) >"$again/build.log" 2>&1 || { tail -n 30 "$again/build.log"; exit 1; }

cd "$copy/build/windows"
sha256sum --check "$first/SHA256SUMS" && exit 0
while read -r _ name; do
    cmp -s "$first/$name" "$name" \
        || timeout 300 diffoscope --text - "$first/$name" "$name" 2>&1 | head -n 40 | sed 's/^/    /' || true
done <"$first/SHA256SUMS"
exit 1
