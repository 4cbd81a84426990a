#!/usr/bin/env bash
# Builds the Debian package, checks its metadata, unpacks it into a scratch root, validates the
# desktop entry and AppStream file there, and runs the installed program for one pick and a
# clean Exit on a private X server.
# Usage: package_test.sh BUILD_DIR
set -uo pipefail

build=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0
failed=0
check() {
    local name=$1
    shift
    if "$@" >"$work/out" 2>&1; then
        echo "PASS $name"
        passed=$((passed + 1))
    else
        echo "FAIL $name"
        sed 's/^/    /' "$work/out"
        failed=$((failed + 1))
    fi
}

cpack --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log"; echo "package: 0 passed, 1 failed"; exit 1; }
deb="$work/package/gridwick_1.0.0.0_amd64.deb"
root="$work/root"
app_id=io.github.gridwick.Gridwick

check "the package is named for its version" test -f "$deb"
check "its library dependencies are computed" bash -c "dpkg-deb -f '$deb' Depends | grep -q 'libqt6widgets6'"
check "it unpacks" dpkg -x "$deb" "$root"
check "the desktop entry is valid" desktop-file-validate "$root/usr/share/applications/$app_id.desktop"
check "the AppStream metainfo is valid" appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml"
check "the icon is installed" test -s "$root/usr/share/icons/hicolor/scalable/apps/$app_id.svg"
check "the installed program picks and exits" bash "$here/e2e/run_end_to_end.sh" "$root/usr/bin/gridwick" --smoke

echo "package: $passed passed, $failed failed"
((failed == 0))
